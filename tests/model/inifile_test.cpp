#include "model/inifile.h"

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
    EXPECT_EQ(ini.ReadInteger("farm", "PRICE", -1), 10);
    EXPECT_EQ(ini.ReadString("Farm", "Caption", "none"), "none"); // later duplicate is unseen
    EXPECT_EQ(ini.ReadString(QString::fromUtf8("ЛЕС"), "caption", ""),
              QString::fromUtf8("Лесопилка"));
    EXPECT_EQ(ini.ReadString(" Farm ", " Price ", ""), "10");
    EXPECT_EQ(ini.ReadString("Missing", "Price", "dflt"), "dflt");
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
        EXPECT_EQ(ini.ReadInteger(c.section, c.key, -1), c.value)
            << c.section.toStdString() << " " << c.key.toStdString();
}

// Records are read key after key from one section, then from the next: every
// lookup still finds its own section's value, also through a copy.
TEST(IniFile, ReadingSectionAfterSectionFindsEachOnesOwnValues) {
    const TIniFile ini = Ini("[A]\nK=1\nOnlyA=5\n[B]\nK=2\n[]\nK=3\n[a]\nK=4\n");
    const struct {
        const char* section;
        const char* key;
        int32_t value;
    } cases[] = {
        {"", "K", 3},         {"A", "K", 1},
        {"A", "OnlyA", 5},    {"B", "K", 2},
        {"B", "OnlyA", -1},   {"a", "K", 1},
        {"Missing", "K", -1}, {"", "K", 3},
        {" B ", "K", 2},      {"Missing", "OnlyA", -1},
        {"A", "OnlyA", 5},
    };
    for (int round = 0; round < 2; ++round) {
        const TIniFile copy = ini;
        for (const auto& c : cases) {
            EXPECT_EQ(ini.ReadInteger(c.section, c.key, -1), c.value) << c.section << c.key;
            EXPECT_EQ(copy.ReadInteger(c.section, c.key, -1), c.value) << c.section << c.key;
        }
    }
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
    EXPECT_EQ(ini.ReadString("S", "A", ""), "hello world");
    EXPECT_EQ(ini.ReadString("S", "B", ""), "quoted \"\"x\"\"");
    EXPECT_EQ(ini.ReadString("S", "C", ""), "single");
    EXPECT_EQ(ini.ReadString("S", "D", ""), "\"mismatch'");
    EXPECT_EQ(ini.ReadString("S", "E", ""), "\"");
    EXPECT_EQ(ini.ReadString("S", "F", ""), "100 ;comment");
    EXPECT_EQ(ini.ReadInteger("S", "F", -7), -7);
    EXPECT_EQ(ini.ReadString("S", "NoValue", "x"), "");
    EXPECT_EQ(ini.ReadString("S", "G", ""), "a=b");
    EXPECT_EQ(ini.ReadString("S", "H", "none"), "none");
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
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 42);
    EXPECT_EQ(ini.ReadInteger("S", "B", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 2), 2);
}

TEST(IniFile, TextIsWindows1251UnlessAByteOrderMarkSaysOtherwise) {
    const QString caption = QString::fromUtf8("Жилой дом ёЁ");
    EXPECT_EQ(TIniFile::FromBytes(Cp1251("[A]\nCaption=" + caption)).ReadString("A", "Caption", ""),
              caption);
    EXPECT_EQ(TIniFile::FromBytes("\xEF\xBB\xBF[A]\nCaption=" + caption.toUtf8())
                  .ReadString("A", "Caption", ""),
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
    EXPECT_EQ(binary.ReadInteger("", "", 3), 3);
}

} // namespace
