// The application profile: INI file and registry round trips, each checked
// against what the platform itself reads back from the store.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string IniRead(const char* section, const char* entry)
{
    char buf[256] = {};
    ::GetPrivateProfileStringA(section, entry, "<missing>", buf, sizeof(buf), TestApp().ProfilePath());
    return buf;
}

TEST(ProfileTest, IniStringsRoundTripAndDelete)
{
    CWinApp* pApp = AfxGetApp();
    EXPECT_TRUE(pApp->WriteProfileInt("Ini Test", "Offset", -15));
    EXPECT_EQ("-15", IniRead("Ini Test", "Offset"));
    EXPECT_EQ(-15, static_cast<int>(pApp->GetProfileInt("Ini Test", "Offset", 99)));
    EXPECT_TRUE(pApp->WriteProfileString("Main Background", "FileName", "C:\\pictures\\sea.bmp"));
    EXPECT_EQ("C:\\pictures\\sea.bmp", IniRead("Main Background", "FileName"));
    EXPECT_STREQ("C:\\pictures\\sea.bmp", pApp->GetProfileString("Main Background", "FileName"));

    // Missing entries give the default, or an empty string without one.
    EXPECT_STREQ("fallback", pApp->GetProfileString("Main Background", "Nothing", "fallback"));
    EXPECT_STREQ("", pApp->GetProfileString("Main Background", "Nothing"));
    EXPECT_EQ(42u, pApp->GetProfileInt("No Such Section", "Format", 42));

    // A null value deletes the entry; a null entry deletes the section.
    EXPECT_TRUE(pApp->WriteProfileString("Main Background", "BkColor", "255"));
    EXPECT_TRUE(pApp->WriteProfileString("Main Background", "FileName", NULL));
    EXPECT_EQ("<missing>", IniRead("Main Background", "FileName"));
    EXPECT_EQ("255", IniRead("Main Background", "BkColor"));
    EXPECT_TRUE(pApp->WriteProfileString("Main Background", NULL, NULL));
    EXPECT_EQ("<missing>", IniRead("Main Background", "BkColor"));
}

TEST(ProfileTest, IniBinaryIsTwoLettersPerByteLowNibbleFirst)
{
    CWinApp* pApp = AfxGetApp();
    BYTE data[] = {0x00, 0x1F, 0xA5};
    ASSERT_TRUE(pApp->WriteProfileBinary("Ini Test", "Blob", data, sizeof(data)));
    // 0x00 -> "AA", 0x1F -> 'A'+0xF, 'A'+0x1 = "PB", 0xA5 -> "FK".
    EXPECT_EQ("AAPBFK", IniRead("Ini Test", "Blob"));
    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(pApp->GetProfileBinary("Ini Test", "Blob", &pRead, &nBytes));
    ASSERT_EQ(3u, nBytes);
    EXPECT_EQ(0, memcmp(data, pRead, 3));
    delete[] pRead;
    EXPECT_FALSE(pApp->GetProfileBinary("Ini Test", "No Blob", &pRead, &nBytes));
    EXPECT_EQ(nullptr, pRead);
}

// A registry profile under a company key unique to this process, removed
// again by the fixture.
class RegistryProfileTest : public testing::Test
{
protected:
    void SetUp() override { m_company = "Quillon Test Company " + std::to_string(::GetCurrentProcessId()); }
    void TearDown() override
    {
        std::string key = "Software\\" + m_company;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        HKEY h = NULL;
        EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h))
            << "test key left behind";
    }

    // Reads a value straight from the registry.
    LONG Query(const char* app, const char* section, const char* entry, DWORD* pType, BYTE* pData, DWORD* pcb)
    {
        std::string key = "Software\\" + m_company + "\\" + app + "\\" + section;
        HKEY h = NULL;
        LONG r = ::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h);
        if (r != ERROR_SUCCESS)
            return r;
        r = ::RegQueryValueExA(h, entry, NULL, pType, pData, pcb);
        ::RegCloseKey(h);
        return r;
    }

    std::string m_company;
};

TEST_F(RegistryProfileTest, ValuesUnderSoftwareCompanyApplicationSectionAndDeleted)
{
    CWinApp app("Registry App");
    app.SetRegistryKey(m_company.c_str());

    ASSERT_TRUE(app.WriteProfileInt("Position Control", "Format", 3));
    ASSERT_TRUE(app.WriteProfileString("Main Background", "FileName", "sea.bmp"));

    DWORD type = 0, value = 0, cb = sizeof(value);
    ASSERT_EQ(ERROR_SUCCESS, Query("Registry App", "Position Control", "Format", &type,
                                   reinterpret_cast<BYTE*>(&value), &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(3u, value);
    char text[64] = {};
    cb = sizeof(text);
    ASSERT_EQ(ERROR_SUCCESS, Query("Registry App", "Main Background", "FileName", &type,
                                   reinterpret_cast<BYTE*>(text), &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_STREQ("sea.bmp", text);

    EXPECT_EQ(3u, app.GetProfileInt("Position Control", "Format", 0));
    EXPECT_STREQ("sea.bmp", app.GetProfileString("Main Background", "FileName"));
    // The INI file is not touched once the registry is in use.
    EXPECT_EQ("<missing>", IniRead("Main Background", "FileName"));

    BYTE data[] = {1, 2, 250};
    ASSERT_TRUE(app.WriteProfileBinary("Blobs", "Three", data, sizeof(data)));
    BYTE raw[8] = {};
    cb = sizeof(raw);
    ASSERT_EQ(ERROR_SUCCESS, Query("Registry App", "Blobs", "Three", &type, raw, &cb));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(3u, cb);
    EXPECT_EQ(0, memcmp(data, raw, 3));
    LPBYTE pRead = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Blobs", "Three", &pRead, &nBytes));
    EXPECT_EQ(3u, nBytes);
    EXPECT_EQ(0, memcmp(data, pRead, 3));
    delete[] pRead;

    ASSERT_TRUE(app.WriteProfileInt("Blobs", "Other", 1));
    EXPECT_TRUE(app.WriteProfileString("Blobs", "Three", NULL));
    cb = sizeof(raw);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query("Registry App", "Blobs", "Three", &type, raw, &cb));
    cb = sizeof(raw);
    EXPECT_EQ(ERROR_SUCCESS, Query("Registry App", "Blobs", "Other", &type, raw, &cb));
    EXPECT_TRUE(app.WriteProfileString("Blobs", NULL, NULL));
    cb = sizeof(raw);
    EXPECT_NE(ERROR_SUCCESS, Query("Registry App", "Blobs", "Other", &type, raw, &cb));
}

} // namespace
