#include "about/about_box.h"

#include "common/dialog_support.h"
#include "common/paths.h"
#include "common/texts.h"

namespace lark {

namespace {
constexpr wchar_t ToolPathKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t ToolPathValue[] = L"PATH";
constexpr wchar_t ToolFolderKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr wchar_t ToolFolderValue[] = L"MSINFO";
constexpr wchar_t ToolFile[] = L"MSINFO32.EXE";
}  // namespace

namespace about {

namespace {
constexpr Rgb White{255, 255, 255}, Grey{128, 128, 128};
constexpr Rect PictureBounds = twips(-240, -720, 4800, 3600);  // a cut-out: its top-left part lies outside
}  // namespace

WindowSpec aboutWindow() {
    return {.title = text(Text::AboutTitle), .style = WindowStyle::Dialog, .client = {twips(4575), twips(2235)}};
}

std::vector<ControlSpec> aboutControls(std::wstring_view version) {
    std::vector<ControlSpec> controls{
        {.id = idPicture, .kind = Kind::Picture, .bounds = PictureBounds, .picture = Picture::Splash},
        {.id = idMaker, .kind = Kind::Label, .bounds = twips(120, 240, 3885, 480), .caption = L"Quorvane", .textColour = White,
         .defaultTextColour = false, .transparent = true, .font = {Face::Serif, 15.75, true, true}},
        {.id = idOk, .kind = Kind::DefaultButton, .bounds = twips(3120, 1800, 1310, 345), .caption = L"OK", .cancel = true},
        {.id = idSystemInfo, .kind = Kind::Button, .bounds = twips(1680, 1800, 1310, 345), .caption = text(Text::SystemInfoButton)},
    };
    if (!version.empty())
        controls.push_back({.id = idVersion, .kind = Kind::Label, .bounds = twips(120, 1845, 1500, 255),
                            .caption = std::wstring(ProgramTitle) + L' ' + std::wstring(version), .textColour = White,
                            .defaultTextColour = false, .transparent = true});
    return controls;
}

void drawRule(Canvas& picture) {
    // In the box's coordinates: a white line two pixels wide with a grey one over its upper half.
    const auto line = [&](int x1, int y, int x2, Rgb colour) {
        picture.line(twips(x1) - PictureBounds.x, twips(y) - PictureBounds.y, twips(x2) - PictureBounds.x,
                     twips(y) - PictureBounds.y, colour);
    };
    line(105, 1605, 4440, White);
    line(105, 1620, 4440, White);
    line(90, 1605, 4440, Grey);
    picture.keepAsBackground();  // redrawn with the picture at any scale
}

}  // namespace about

std::optional<std::wstring> registryText(MachineRegistry& registry, std::wstring_view key, std::wstring_view name) {
    const auto value = registry.read(key, name);
    if (!value) return std::nullopt;
    switch (value->type) {
    case RegistryValue::Type::Text: return value->text;
    case RegistryValue::Type::Number: return std::to_wstring(value->number);
    default: return std::wstring();
    }
}

std::optional<std::wstring> systemInfoPath(MachineRegistry& registry, FileSystem& files) {
    if (auto path = registryText(registry, ToolPathKey, ToolPathValue)) return path;
    if (auto folder = registryText(registry, ToolFolderKey, ToolFolderValue)) {
        std::wstring tool = paths::withSlash(*folder) + ToolFile;
        if (files.fileExists(tool)) return tool;
    }
    return std::nullopt;
}

bool startSystemInfo(AboutServices& services) {
    const auto path = systemInfoPath(services.registry, services.files);
    if (path && !path->empty() && services.processes.start(*path, paths::quoted(*path), ProcessWindow::Normal))
        return true;
    services.messages.show(text(Text::SystemInfoUnavailable), mb::OkOnly, ProgramTitle);
    return false;
}

using namespace about;

AboutBox::AboutBox(AboutServices& services) : services_(services) {}
AboutBox::~AboutBox() = default;

Window& AboutBox::open(std::optional<Rect> centreOver) {
    window_ = services_.ui.createWindow(aboutWindow(), *this);
    Window& w = *window_;
    w.setIcon(Picture::AppIcon);
    for (const ControlSpec& c : aboutControls(services_.files.productVersion())) {
        if (c.kind == Kind::Picture)
            drawRule(w.addPicture(c).canvas());
        else
            w.add(c);
    }
    placeDialog(w, services_.ui, centreOver);
    return w;
}

void AboutBox::runModal() {
    if (window_) window_->runModal();
}

void AboutBox::onCommand(int id) {
    if (id == idSystemInfo) startSystemInfo(services_);
    if (id == idOk) {
        ok_ = true;
        window_->close();
    }
}

void AboutBox::onClose() { window_->close(); }

}  // namespace lark
