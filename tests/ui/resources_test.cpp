// The dialog templates, strings and version block, read back from the
// compiled resources and held to what the program must show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kNone = -1;

struct Control {
    int id;
    std::string kind;  // window class
    DWORD style;
    std::string text;  // "#128" for a resource ordinal
    short x, y, cx, cy;

    bool operator==(const Control& o) const {
        return id == o.id && kind == o.kind && style == o.style && text == o.text && x == o.x &&
               y == o.y && cx == o.cx && cy == o.cy;
    }
};

void PrintTo(const Control& c, std::ostream* os) {
    *os << "{" << c.id << ", " << c.kind << ", 0x" << std::hex << c.style << std::dec << ", \""
        << c.text << "\", " << c.x << "," << c.y << " " << c.cx << "x" << c.cy << "}";
}

struct Template {
    bool extended = false;
    DWORD style = 0, ex_style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, window_class, caption, font;
    WORD point_size = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::vector<Control> controls;
};

// Reads the packed template format one field at a time.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
    template <class T>
    T Get() {
        T value{};
        if (at_ + sizeof(T) <= size_) {
            std::memcpy(&value, data_ + at_, sizeof(T));
        }
        at_ += sizeof(T);
        return value;
    }
    std::string Wide() {
        std::string text;
        for (WORD c = Get<WORD>(); c != 0; c = Get<WORD>()) {
            text += static_cast<char>(c);
        }
        return text;
    }
    std::string NameOrOrdinal() {
        WORD first = Get<WORD>();
        if (first == 0) {
            return "";
        }
        if (first == 0xFFFF) {
            return "#" + std::to_string(Get<WORD>());
        }
        at_ -= 2;
        return Wide();
    }
    void AlignDword() { at_ = (at_ + 3) & ~std::size_t{3}; }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::string ClassName(const std::string& raw) {
    static const char* const kAtoms[] = {"Button",  "Edit",      "Static",
                                         "ListBox", "ScrollBar", "ComboBox"};
    // A class is named by its atom or by its name in any case.
    if (raw.size() > 1 && raw[0] == '#') {
        int atom = std::stoi(raw.substr(1));
        if (atom >= 0x80 && atom <= 0x85) {
            return kAtoms[atom - 0x80];
        }
    }
    for (const char* name : kAtoms) {
        if (lstrcmpiA(raw.c_str(), name) == 0) {
            return name;
        }
    }
    return raw;
}

Template LoadTemplate(UINT id) {
    Template t;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (found == nullptr) {
        ADD_FAILURE() << "no dialog " << id;
        return t;
    }
    Reader r(static_cast<const unsigned char*>(LockResource(LoadResource(module, found))),
             SizeofResource(module, found));
    WORD count;
    if (r.Get<WORD>() == 1 && r.Get<WORD>() == 0xFFFF) {
        t.extended = true;
        r.Get<DWORD>();  // help id
        t.ex_style = r.Get<DWORD>();
        t.style = r.Get<DWORD>();
    } else {
        r = Reader(static_cast<const unsigned char*>(LockResource(LoadResource(module, found))),
                   SizeofResource(module, found));
        t.style = r.Get<DWORD>();
        t.ex_style = r.Get<DWORD>();
    }
    count = r.Get<WORD>();
    t.x = r.Get<short>();
    t.y = r.Get<short>();
    t.cx = r.Get<short>();
    t.cy = r.Get<short>();
    t.menu = r.NameOrOrdinal();
    t.window_class = r.NameOrOrdinal();
    t.caption = r.Wide();
    if (t.style & DS_SETFONT) {
        t.point_size = r.Get<WORD>();
        if (t.extended) {
            t.weight = r.Get<WORD>();
            t.italic = r.Get<BYTE>();
            t.charset = r.Get<BYTE>();
        }
        t.font = r.Wide();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Control c;
        if (t.extended) {
            r.Get<DWORD>();  // help id
            r.Get<DWORD>();  // extended style
            c.style = r.Get<DWORD>();
        } else {
            c.style = r.Get<DWORD>();
            r.Get<DWORD>();
        }
        c.x = r.Get<short>();
        c.y = r.Get<short>();
        c.cx = r.Get<short>();
        c.cy = r.Get<short>();
        c.id = t.extended ? static_cast<int>(r.Get<DWORD>()) : static_cast<short>(r.Get<WORD>());
        c.kind = ClassName(r.NameOrOrdinal());
        c.text = r.NameOrOrdinal();
        WORD extra = r.Get<WORD>();
        for (WORD k = 0; k < extra; ++k) {
            r.Get<BYTE>();
        }
        t.controls.push_back(c);
    }
    return t;
}

TEST(Resources, MainDialogTemplate) {
    Template t = LoadTemplate(IDD_ZENTRIM_DIALOG);
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.style, 0x90C800C0u);
    EXPECT_EQ(t.ex_style, 0x00040000u);
    EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{0, 0, 302, 54}));
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.window_class, "");
    EXPECT_EQ(t.caption, "Zentrim by Quenby");
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.point_size, 8);
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, 1);

    const DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    const DWORD label = kChild | WS_GROUP | SS_LEFT;
    const DWORD edit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    const DWORD combo = kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT;
    const std::vector<Control> expected = {
        {IDOK, "Button", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, "Quit", 245, 7, 50, 14},
        {kNone, "Static", label, "Source:", 7, 10, 26, 8},
        {kNone, "Static", label, "Destination:", 7, 24, 38, 8},
        {IDC_SOURCE, "Edit", edit, "", 52, 7, 113, 14},
        {IDC_DEST, "Edit", edit, "", 52, 21, 113, 14},
        {IDC_BROWSE_SOURCE, "Button", button, "Browse", 166, 7, 25, 14},
        {IDC_BROWSE_DEST, "Button", button, "Browse", 166, 21, 25, 14},
        {IDC_HELP_PAGE, "Button", button, "Help", 194, 21, 50, 14},
        {IDC_GO, "Button", button, "Go", 194, 7, 50, 14},
        {IDC_LINES, "ComboBox", combo, "", 52, 35, 48, 30},
        {kNone, "Static", label, "Lines:", 7, 37, 20, 8},
        {IDC_VERSION_LABEL, "Static", label, "Zentrim - v1.01 - Copyright (C) 2026 Quenby", 106, 37,
         189, 8},
    };
    EXPECT_EQ(t.controls, expected);
}

TEST(Resources, AboutBoxTemplate) {
    Template t = LoadTemplate(IDD_ABOUTBOX);
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style, 0x80C800C0u);
    EXPECT_EQ(t.ex_style, 0u);
    EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{0, 0, 235, 55}));
    EXPECT_EQ(t.caption, "About Zentrim");
    EXPECT_EQ(t.font, "MS Sans Serif");
    EXPECT_EQ(t.point_size, 8);

    const std::vector<Control> expected = {
        {kNone, "Static", kChild | SS_ICON, "#128", 11, 17, 20, 20},
        {kNone, "Static", kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX, "Zentrim Version 1.0", 40, 10,
         119, 8},
        {kNone, "Static", kChild | WS_GROUP | SS_LEFT, "Copyright (C) 2026 Quenby", 40, 25, 119, 8},
        {IDOK, "Button", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, "OK", 178, 7, 50, 14},
    };
    EXPECT_EQ(t.controls, expected);
}

TEST(Resources, StringsAndIcon) {
    char text[128] = {};
    HINSTANCE module = GetModuleHandleA(nullptr);
    ASSERT_GT(LoadStringA(module, IDS_ABOUTBOX, text, sizeof text), 0);
    EXPECT_STREQ(text, "&About Zentrim...");
    ASSERT_GT(LoadStringA(module, IDP_SOCKETS_INIT_FAILED, text, sizeof text), 0);
    EXPECT_STREQ(text, "Windows sockets initialization failed.");
    // No application-title string: the framework takes the executable's name.
    EXPECT_EQ(LoadStringA(module, 0xE000, text, sizeof text), 0);

    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST(Resources, VersionBlock) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    ASSERT_NE(found, nullptr);
    // VerQueryValue needs a writable copy.
    DWORD size = SizeofResource(module, found);
    std::vector<char> block(size * 2);
    std::memcpy(block.data(), LockResource(LoadResource(module, found)), size);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x4u);
    EXPECT_EQ(fixed->dwFileType, 0x1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    const std::pair<const char*, const char*> values[] = {
        {"CompanyName", ""},
        {"FileDescription", "Zentrim MFC Application"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Zentrim"},
        {"LegalCopyright", "Copyright (C) 2026 Quenby"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Zentrim.EXE"},
        {"ProductName", "Zentrim Application"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    for (const auto& [key, value] : values) {
        SCOPED_TRACE(key);
        std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
        char* text = nullptr;
        ASSERT_TRUE(
            VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::string(text, strnlen(text, length)), value);
    }
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

}  // namespace
