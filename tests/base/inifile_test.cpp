#include "base/inifile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Data files are written in Windows-1251.
QByteArray Cp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

TIniFile Ini(const char* utf8) {
    return TIniFile::FromBytes(Cp1251(QString::fromUtf8(utf8)));
}

TEST(IniFile, SectionsComeInFileOrderWithDuplicatesAndNoNamelessPart) {
    const TIniFile ini = Ini("Loose=1\r\n[Mine]\r\n[Farm]\n[ Bank ]\r[Farm]\n[Ферма]x]\n");
    EXPECT_EQ(ini.SectionNames(),
              QStringList({"Mine", "Farm", "Bank", "Farm", QString::fromUtf8("Ферма]x")}));
}

TEST(IniFile, LookupIgnoresCaseAndTheFirstSectionAndKeyWin) {
    const TIniFile ini = Ini("[Farm]\nPrice=10\nprice=20\n"
                             "[FARM]\nPrice=30\nCaption=Other\n"
                             "[Лес]\nCaption=Лесопилка\n");
    EXPECT_EQ(ini.Section("farm").ReadInteger("PRICE", -1), 10);
    EXPECT_EQ(ini.Section("Farm").ReadString("Caption", "none"),
              "none"); // later duplicate is unseen
    EXPECT_EQ(ini.Section(QString::fromUtf8("ЛЕС")).ReadString("caption", ""),
              QString::fromUtf8("Лесопилка"));
    EXPECT_EQ(ini.Section(" Farm ").ReadString(" Price ", ""), "10");
    EXPECT_EQ(ini.Section("Missing").ReadString("Price", "dflt"), "dflt");
}

// Short ASCII names, long ones and others are all matched the same way.
TEST(IniFile, NamesOfAnyLengthAndAlphabetMatchTrimmedIgnoringCase) {
    const QString longName = QString(80, u'n') + "End";
    const TIniFile ini = Ini(("[Ёлка]\nkEY=1\n[" + longName + "]\n" + longName + "=2\nTab=3\nMIX" +
                              QString::fromUtf8("ЖИ") + "=4\n")
                                 .toUtf8()
                                 .constData());
    const struct {
        QString section, key;
        int32_t value;
    } cases[] = {
        {QString::fromUtf8("ёЛКА"), "Key", 1},
        {longName.toUpper(), " " + longName.toUpper() + "\t", 2},
        {"\t" + longName + " ", "\tTAB\r", 3},
        {longName, "mix" + QString::fromUtf8("жи"), 4},
        {longName, "Tab" + QString(70, u' ') + "x", -1},
        {longName.left(80), "Tab", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.Section(c.section).ReadInteger(c.key, -1), c.value)
            << c.section.toStdString() << " " << c.key.toStdString();
}

// Sections are found once and read in any order, each its own keys, also
// when found in a copy of the file.
TEST(IniFile, SectionsFoundOnceReadTheirOwnKeysInAnyOrder) {
    const TIniFile ini = Ini("[A]\nK=1\nOnlyA=5\n[B]\nK=2\n[]\nK=3\n[a]\nK=4\n");
    const TIniFile copy = ini;
    const TIniSection a = ini.Section("A"), b = copy.Section(" B "), nameless = ini.Section(""),
                      small = copy.Section("a"), missing = ini.Section("Missing");
    EXPECT_EQ(b.ReadInteger("K", -1), 2);
    EXPECT_EQ(a.ReadInteger("K", -1), 1);
    EXPECT_EQ(nameless.ReadInteger("K", -1), 3);
    EXPECT_EQ(b.ReadInteger("OnlyA", -1), -1);
    EXPECT_EQ(small.ReadInteger("K", -1), 1);
    EXPECT_EQ(missing.ReadInteger("K", -1), -1);
    EXPECT_EQ(a.ReadInteger("OnlyA", -1), 5);
    EXPECT_EQ(small.Name(), "a");
}

TEST(IniFile, ValuesAreTrimmedAndUnquotedOnceWithoutInlineComments) {
    const TIniFile ini = Ini("[S]\n"
                             "  A =  hello world  \n"
                             "B=\"quoted \"\"x\"\"\"\n"
                             "C='single'\n"
                             "D=\"mismatch'\n"
                             "E=\"\n"
                             "F=100 ;comment\n"
                             "NoValue\n"
                             "G=a=b\n"
                             ";H=commented\n");
    const TIniSection section = ini.Section("S");
    EXPECT_EQ(section.ReadString("A", ""), "hello world");
    EXPECT_EQ(section.ReadString("B", ""), "quoted \"\"x\"\"");
    EXPECT_EQ(section.ReadString("C", ""), "single");
    EXPECT_EQ(section.ReadString("D", ""), "\"mismatch'");
    EXPECT_EQ(section.ReadString("E", ""), "\"");
    EXPECT_EQ(section.ReadString("F", ""), "100 ;comment");
    EXPECT_EQ(section.ReadInteger("F", -7), -7);
    EXPECT_EQ(section.ReadString("NoValue", "x"), "");
    EXPECT_EQ(section.ReadString("G", ""), "a=b");
    EXPECT_EQ(section.ReadString("H", "none"), "none");
}

TEST(IniFile, IntegersAreSignedDecimalsWithinThirtyTwoBits) {
    struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"+7", 7},
        {"-0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12abc", std::nullopt},
        {"1 000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"0x1F", std::nullopt},
        {"1.5", std::nullopt},
        {"١٢", std::nullopt}, // digits of other scripts are not decimal digits here
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(QString::fromUtf8(c.text)), c.value) << c.text;

    const TIniFile ini = Ini("[S]\nA=\"42\"\nB=12abc\n");
    const TIniSection section = ini.Section("S");
    EXPECT_EQ(section.ReadInteger("A", 0), 42);
    EXPECT_EQ(section.ReadInteger("B", 5), 5);
    EXPECT_EQ(section.ReadInteger("Missing", 2), 2);
}

TEST(IniFile, TextIsWindows1251UnlessAByteOrderMarkSaysOtherwise) {
    const QString caption = QString::fromUtf8("Жилой дом ёЁ");
    EXPECT_EQ(TIniFile::FromBytes(Cp1251("[A]\nCaption=" + caption))
                  .Section("A")
                  .ReadString("Caption", ""),
              caption);
    EXPECT_EQ(TIniFile::FromBytes("\xEF\xBB\xBF[A]\nCaption=" + caption.toUtf8())
                  .Section("A")
                  .ReadString("Caption", ""),
              caption);
}

TEST(IniFile, EveryByteDecodesAsTheSystemsWindows1251Converter) {
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    bytes += "tail \xC1\xF3\xF5\xF2\xE0";
    QStringDecoder system("windows-1251");
    ASSERT_TRUE(system.isValid());
    const QString expected = system.decode(bytes);
    ASSERT_EQ(expected.size(), bytes.size());
    EXPECT_EQ(DecodeDataText(bytes), expected);
    EXPECT_TRUE(DecodeDataText(bytes).endsWith(QString::fromUtf8("tail Бухта")));
}

TEST(IniFile, AMissingFileOrOddBytesReadAsEmpty) {
    QTemporaryDir dir;
    EXPECT_TRUE(TIniFile(dir.filePath("NOPE.INI")).SectionNames().isEmpty());
    EXPECT_TRUE(TIniFile::FromBytes(QByteArray()).SectionNames().isEmpty());
    const TIniFile binary = TIniFile::FromBytes(QByteArray("\0[\0]\xff\xfe=\n[", 10));
    EXPECT_NO_THROW(binary.SectionNames());
    EXPECT_EQ(binary.Section("").ReadInteger("", 3), 3);
}

} // namespace
