// The records the program file carries for the system, read back the way
// the system reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "child_process.h"

namespace plimsett::test {
namespace {

const std::wstring kProgram = WindowsPathOf(PLIMSETT_PROGRAM);
constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
const wchar_t* const kVersionType = MAKEINTRESOURCEW(16);
const wchar_t* const kGroupIconType = MAKEINTRESOURCEW(14);
const wchar_t* const kIconType = MAKEINTRESOURCEW(3);

// The program file opened as data only: nothing of it runs.
class ProgramFileTest : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  // The bytes of one resource, empty when there is none.
  std::vector<unsigned char> Resource(const wchar_t* type, const wchar_t* name, WORD language) {
    HRSRC found = FindResourceExW(module_, type, name, language);
    if (found == nullptr) return {};
    const auto* data =
        static_cast<const unsigned char*>(LockResource(LoadResource(module_, found)));
    return {data, data + SizeofResource(module_, found)};
  }

  std::vector<std::wstring> Names(const wchar_t* type) {
    std::vector<std::wstring> names;
    EnumResourceNamesW(module_, type, AddName, reinterpret_cast<LONG_PTR>(&names));
    return names;
  }

  std::vector<WORD> Languages(const wchar_t* type, const wchar_t* name) {
    std::vector<WORD> languages;
    EnumResourceLanguagesW(module_, type, name, AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
  }

  // Numbered names as "#1".
  static BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                             : std::wstring(name));
    return TRUE;
  }

  static BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
  }

  HMODULE module_ = nullptr;
};

// --- Version record -------------------------------------------------------

class VersionRecordTest : public ProgramFileTest {
 protected:
  void SetUp() override {
    ProgramFileTest::SetUp();
    const DWORD size = GetFileVersionInfoSizeW(kProgram.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    info_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, size, info_.data()));
  }

  std::wstring String(const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\080404B0\\" + key;
    if (!VerQueryValueW(info_.data(), path.c_str(), &value, &length)) return L"(missing)";
    return static_cast<const wchar_t*>(value);
  }

  std::vector<unsigned char> info_;
};

TEST_F(VersionRecordTest, IsOneRecordInChinesePrc) {
  EXPECT_EQ(Names(kVersionType), std::vector<std::wstring>{L"#1"});
  EXPECT_EQ(Languages(kVersionType, MAKEINTRESOURCEW(1)), std::vector<WORD>{kChinesePrc});
}

TEST_F(VersionRecordTest, FixedPartHoldsTheGivenFields) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const struct {
    const char* field;
    DWORD actual;
    DWORD expected;
  } fields[] = {
      {"signature", fixed->dwSignature, 0xFEEF04BD},
      {"structure version", fixed->dwStrucVersion, 0},
      {"file version (high)", fixed->dwFileVersionMS, 0x00010000},
      {"file version (low)", fixed->dwFileVersionLS, 0},
      {"product version (high)", fixed->dwProductVersionMS, 0x00010000},
      {"product version (low)", fixed->dwProductVersionLS, 0},
      {"file flags mask", fixed->dwFileFlagsMask, 0},
      {"file flags", fixed->dwFileFlags, 0},
      {"operating system", fixed->dwFileOS, VOS__WINDOWS32},
      {"file type", fixed->dwFileType, VFT_APP},
      {"file subtype", fixed->dwFileSubtype, 0},
      {"file date (high)", fixed->dwFileDateMS, 0},
      {"file date (low)", fixed->dwFileDateLS, 0},
  };
  for (const auto& f : fields) EXPECT_EQ(f.actual, f.expected) << f.field;
}

TEST_F(VersionRecordTest, StringTableAndTranslation) {
  EXPECT_EQ(String(L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(String(L"ProductVersion"), L"1.0.0.0");
  for (const wchar_t* key : {L"FileDescription", L"ProductName", L"LegalCopyright", L"Comments"}) {
    const std::wstring value = String(key);
    EXPECT_NE(value, L"(missing)") << testing::PrintToString(std::wstring(key));
    EXPECT_FALSE(value.empty()) << testing::PrintToString(std::wstring(key));
  }
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info_.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 0x04B0);
}

// One node of a version record as the record lays it out: its length, its
// value's length (in UTF-16 units for a text value), its type (1 for text),
// its key, its value, then its children, each on a 32-bit boundary.
class VersionNode {
 public:
  VersionNode(const std::vector<unsigned char>& record, std::size_t offset)
      : record_(record), offset_(offset) {}

  std::wstring key() const {
    std::wstring key;
    for (std::size_t at = offset_ + 6; Word(at) != 0; at += 2)
      key += static_cast<wchar_t>(Word(at));
    return key;
  }

  std::vector<VersionNode> children() const {
    const std::size_t end = offset_ + Word(offset_);
    const std::size_t valueStart = Aligned(offset_ + 6 + 2 * (key().size() + 1));
    const std::size_t valueBytes = Word(offset_ + 2) * (Word(offset_ + 4) == 1 ? 2 : 1);
    std::vector<VersionNode> nodes;
    for (std::size_t at = Aligned(valueStart + valueBytes); at + 6 <= end && Word(at) != 0;
         at = Aligned(at + Word(at))) {
      nodes.emplace_back(record_, at);
    }
    return nodes;
  }

  std::vector<std::wstring> childKeys() const {
    std::vector<std::wstring> keys;
    for (const VersionNode& child : children()) keys.push_back(child.key());
    return keys;
  }

 private:
  static std::size_t Aligned(std::size_t at) { return (at + 3) & ~std::size_t{3}; }
  WORD Word(std::size_t at) const {
    if (at + 2 > record_.size()) return 0;
    return static_cast<WORD>(record_[at] | record_[at + 1] << 8);
  }

  const std::vector<unsigned char>& record_;
  std::size_t offset_;
};

TEST_F(VersionRecordTest, StringEntriesStandInTheirOrder) {
  const std::vector<unsigned char> record =
      Resource(kVersionType, MAKEINTRESOURCEW(1), kChinesePrc);
  const VersionNode root(record, 0);
  ASSERT_EQ(root.key(), L"VS_VERSION_INFO");
  ASSERT_EQ(root.childKeys(), (std::vector<std::wstring>{L"StringFileInfo", L"VarFileInfo"}));
  const VersionNode strings = root.children()[0];
  ASSERT_EQ(strings.childKeys(), std::vector<std::wstring>{L"080404B0"});
  EXPECT_EQ(strings.children()[0].childKeys(),
            (std::vector<std::wstring>{L"FileVersion", L"FileDescription", L"ProductName",
                                       L"ProductVersion", L"LegalCopyright", L"Comments"}));
}

// --- Program icon ------------------------------------------------------------

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST_F(ProgramFileTest, DefaultIconIsTheFirstGroupAndLanguageNeutral) {
  const std::vector<std::wstring> groups = Names(kGroupIconType);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups[0], L"DEFAULT_ICON");
  EXPECT_EQ(Languages(kGroupIconType, L"DEFAULT_ICON"), std::vector<WORD>{LANG_NEUTRAL});
}

TEST_F(ProgramFileTest, DefaultIconHoldsOne32By32ImageOf16Colours) {
  const auto group = Resource(kGroupIconType, L"DEFAULT_ICON", LANG_NEUTRAL);
  ASSERT_EQ(group.size(), 6 + sizeof(GroupIconEntry));
  EXPECT_EQ(group[4] | group[5] << 8, 1) << "images in the group";
  GroupIconEntry entry;
  std::memcpy(&entry, &group[6], sizeof entry);
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.colourCount, 16);
  EXPECT_EQ(entry.bitCount, 4);
  EXPECT_EQ(entry.bytes, 744u);

  const auto image = Resource(kIconType, MAKEINTRESOURCEW(entry.id), LANG_NEUTRAL);
  ASSERT_EQ(image.size(), 744u);
  BITMAPINFOHEADER header;
  std::memcpy(&header, image.data(), sizeof header);
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biWidth, 32);
  EXPECT_EQ(header.biHeight, 64) << "colour and mask rows";
  EXPECT_EQ(header.biBitCount, 4);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
}

// The width of an icon's image, 0 for no icon.
LONG IconWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(ProgramFileIcon, IsWhatTheSystemShowsForTheFileAtBothSizes) {
  HICON large = nullptr;
  HICON small = nullptr;
  ASSERT_EQ(ExtractIconExW(kProgram.c_str(), 0, &large, &small, 1), 2u);
  EXPECT_EQ(IconWidth(large), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(IconWidth(small), GetSystemMetrics(SM_CXSMICON));
  DestroyIcon(large);
  DestroyIcon(small);
}

}  // namespace
}  // namespace plimsett::test
