// Resource ids of the executable: included by assets/larkspan.rc and by the code. Plain defines only,
// so that the resource compiler can read it.
#pragma once

#define IDI_APP 1
#define IDI_EMBLEM 101
#define IDI_LEVEL01 111
#define IDI_LEVEL02 112
#define IDI_LEVEL03 113
#define IDI_LEVEL04 114
#define IDI_LEVEL05 115
#define IDI_LEVEL06 116
#define IDI_LEVEL07 117
#define IDI_LEVEL08 118
#define IDI_LEVEL09 119
#define IDI_LEVEL10 120
#define IDI_LEVEL11 121
#define IDI_LEVEL12 122
#define IDI_CLEANUP 130
#define IDB_SPLASH 201
#define IDB_BANNER 202
#define IDB_GAUGE_BACK 203
#define IDB_BANNER_EN 204
