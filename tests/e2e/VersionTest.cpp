// The version record as the platform reads it, and that it is the only resource.
#include <windows.h>

#include <cstring>
#include <vector>

#include "EndToEnd.h"

namespace
{
class VersionRecord : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string path = QuillornPath();
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        ASSERT_GT(size, 0u) << path;
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data_.data()));
    }

    std::string String(const char* name)
    {
        const std::string query = std::string("\\StringFileInfo\\080904b0\\") + name;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            return "<missing>";
        return value;
    }

    std::vector<BYTE> data_;
};

TEST_F(VersionRecord, FixedFields)
{
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(info->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(info->dwFileFlagsMask, 0x17u);
    EXPECT_EQ(info->dwFileFlags, 0u);
    EXPECT_EQ(info->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(info->dwFileSubtype, 0u);
}

TEST_F(VersionRecord, StringsAndTranslation)
{
    EXPECT_EQ(String("FileDescription"), "Utility to change the default printer");
    EXPECT_EQ(String("FileVersion"), "1, 0, 0, 1");
    EXPECT_EQ(String("InternalName"), "Quillorn");
    EXPECT_EQ(String("OriginalFilename"), "Quillorn.exe");
    EXPECT_EQ(String("ProductName"), " Quillorn Application");
    EXPECT_EQ(String("ProductVersion"), "1, 0, 0, 1");
    EXPECT_NE(String("CompanyName").find("Quillorn"), std::string::npos);
    EXPECT_NE(String("LegalCopyright").find("Quillorn"), std::string::npos);

    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0809);
    EXPECT_EQ(translation[1], 1200);
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR list)
{
    reinterpret_cast<std::vector<ULONG_PTR>*>(list)->push_back(
        IS_INTRESOURCE(type) ? reinterpret_cast<ULONG_PTR>(type) : 0);
    return TRUE;
}

TEST(Resources, VersionRecordIsTheOnlyResource)
{
    HMODULE module = LoadLibraryExA(QuillornPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    std::vector<ULONG_PTR> types;
    EnumResourceTypesA(module, CollectType, reinterpret_cast<LONG_PTR>(&types));
    FreeLibrary(module);
    EXPECT_EQ(types, std::vector<ULONG_PTR>{reinterpret_cast<ULONG_PTR>(RT_VERSION)});
}
}
