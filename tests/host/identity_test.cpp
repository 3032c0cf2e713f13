// The description and version the host reads, and the language files that
// translate the description.
#include "fixture.h"

#include <cstdio>
#include <string>

namespace {

using zub::Host;

std::string tempFolder(const char* name)
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

void writeFile(const std::string& path, const std::string& content)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, f) << path;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

// A copy of the built extender under another name, with language files beside it.
class LanguageFiles : public testing::Test {
protected:
    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, m_savedDirectory);
        m_folder = tempFolder("zublang");
        m_dll = m_folder + "abc.dll";
        ASSERT_TRUE(CopyFileA(Host::defaultDllPath().c_str(), m_dll.c_str(), FALSE));
        setLanguage(nullptr);
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_savedDirectory);
        setLanguage(nullptr);
        for (const std::string& f : m_files) DeleteFileA(f.c_str());
        DeleteFileA(m_dll.c_str());
        RemoveDirectoryA(m_folder.c_str());
    }
    // The host's settings file; null removes the setting.
    static void setLanguage(const char* code)
    {
        WritePrivateProfileStringA("MAIN", "Language", code, "QKZTOOLS.INI");
    }
    void languageFile(const std::string& path, const std::string& content)
    {
        writeFile(path, content);
        m_files.push_back(path);
    }
    std::string description()
    {
        Host host(m_dll);
        std::string text;
        EXPECT_EQ(44001, host.identify(&text));
        return text;
    }

    char m_savedDirectory[MAX_PATH] = {};
    std::string m_folder;
    std::string m_dll;
    std::vector<std::string> m_files;
};

TEST_F(LanguageFiles, WithoutALanguageFileTheStringTableSpeaks)
{
    EXPECT_EQ("64-bit integer math ZUB Extender.", description());
}

TEST_F(LanguageFiles, ATranslationBesideTheLibraryReplacesTheDescription)
{
    setLanguage("deu");
    languageFile(m_folder + "QKZELANG.deu", "[abc Extender]\r\nX101=A~B|C\r\n");
    EXPECT_EQ("A\nB\tC", description());
}

TEST_F(LanguageFiles, TheWindowsLanguageAppliesWhenTheSettingSaysXXX)
{
    char code[20] = {};
    GetProfileStringA("INTL", "sLanguage", "enu", code, sizeof code);
    setLanguage("XXX");
    languageFile(m_folder + "QKZELANG." + code, "[abc Extender]\r\nX101=System language\r\n");
    EXPECT_EQ("System language", description());
}

TEST_F(LanguageFiles, AMissingKeyOrSectionFallsBackToTheStringTable)
{
    setLanguage("fra");
    languageFile(m_folder + "QKZELANG.fra", "[abc Extender]\r\nX102=other\r\n[korvanet Extender]\r\nX101=wrong section\r\n");
    EXPECT_EQ("64-bit integer math ZUB Extender.", description());
}

TEST_F(LanguageFiles, AFileFoundOnlyAlongTheSearchPathIsUsed)
{
    setLanguage("ita");
    const std::string elsewhere = tempFolder("zubsearch");
    languageFile(elsewhere + "QKZELANG.ita", "[abc Extender]\r\nX101=Trovato\r\n");
    SetCurrentDirectoryA(elsewhere.c_str());
    EXPECT_EQ("Trovato", description());
    SetCurrentDirectoryA(m_savedDirectory);
    DeleteFileA((elsewhere + "QKZELANG.ita").c_str());
    RemoveDirectoryA(elsewhere.c_str());
}

TEST_F(LanguageFiles, TheLanguageIsLookedUpOncePerLoad)
{
    setLanguage("deu");
    languageFile(m_folder + "QKZELANG.deu", "[abc Extender]\r\nX101=Erste\r\n");
    Host host(m_dll);
    std::string first, second;
    host.identify(&first);
    setLanguage(nullptr);
    host.identify(&second);
    EXPECT_EQ("Erste", first);
    EXPECT_EQ("Erste", second);
}

} // namespace
