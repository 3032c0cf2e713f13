// The description and version the host reads, and the language files that
// translate the description.
#include "files.h"
#include "fixture.h"

#include <string>

namespace {

using zub::Host;

// A copy of the built extender under another name, with language files beside it.
class LanguageFiles : public testing::Test {
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, m_savedDirectory);
        m_dll = m_folder.file("abc.dll");
        ASSERT_TRUE(CopyFileA(Host::defaultDllPath().c_str(), m_dll.c_str(), FALSE));
        setLanguage(nullptr);
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_savedDirectory);
        setLanguage(nullptr);
    }
    // The host's settings file; null removes the setting.
    static void setLanguage(const char* code)
    {
        WritePrivateProfileStringA("MAIN", "Language", code, "QKZTOOLS.INI");
    }
    std::string description()
    {
        Host host(m_dll);
        std::string text;
        EXPECT_EQ(44001, host.identify(&text));
        return text;
    }

    char m_savedDirectory[MAX_PATH] = {};
    const zub::TempFolder m_folder{"zublang"};   // removed after TearDown, when no Host holds the copy
    std::string m_dll;
};

TEST_F(LanguageFiles, WithoutALanguageFileTheStringTableSpeaks)
{
    EXPECT_EQ("64-bit integer math ZUB Extender.", description());
}

TEST_F(LanguageFiles, ATranslationBesideTheLibraryReplacesTheDescription)
{
    setLanguage("deu");
    m_folder.write("QKZELANG.deu", "[abc Extender]\r\nX101=A~B|C\r\n");
    EXPECT_EQ("A\nB\tC", description());
}

TEST_F(LanguageFiles, TheWindowsLanguageAppliesWhenTheSettingSaysXXX)
{
    char code[20] = {};
    GetProfileStringA("INTL", "sLanguage", "enu", code, sizeof code);
    setLanguage("XXX");
    m_folder.write(std::string("QKZELANG.") + code, "[abc Extender]\r\nX101=System language\r\n");
    EXPECT_EQ("System language", description());
}

TEST_F(LanguageFiles, AMissingKeyOrSectionFallsBackToTheStringTable)
{
    setLanguage("fra");
    m_folder.write("QKZELANG.fra", "[abc Extender]\r\nX102=other\r\n[korvanet Extender]\r\nX101=wrong section\r\n");
    EXPECT_EQ("64-bit integer math ZUB Extender.", description());
}

TEST_F(LanguageFiles, AFileFoundOnlyAlongTheSearchPathIsUsed)
{
    setLanguage("ita");
    const zub::TempFolder elsewhere{"zubsearch"};
    elsewhere.write("QKZELANG.ita", "[abc Extender]\r\nX101=Trovato\r\n");
    SetCurrentDirectoryA(elsewhere.path().c_str());
    EXPECT_EQ("Trovato", description());
    SetCurrentDirectoryA(m_savedDirectory);
}

TEST_F(LanguageFiles, TheLanguageIsLookedUpOncePerLoad)
{
    setLanguage("deu");
    m_folder.write("QKZELANG.deu", "[abc Extender]\r\nX101=Erste\r\n");
    Host host(m_dll);
    std::string first, second;
    host.identify(&first);
    setLanguage(nullptr);
    host.identify(&second);
    EXPECT_EQ("Erste", first);
    EXPECT_EQ("Erste", second);
}

} // namespace
