// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/project_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "core/atomic_file.h"
#include "core/codec.h"
#include "core/demo_survey.h"
#include "core/scripted_prompter.h"
#include "temp_folder.h"

namespace tavoric {
namespace {

Survey Read(std::string_view content) {
    Survey survey;
    ReadProjectContent(survey, content);
    return survey;
}

Survey FilledSurvey() {
    Survey survey;
    survey.AlgemeneGegevens.surveyArea = "Binnenstad \xe9\xe9n";
    survey.AlgemeneGegevens.startTime = "0700";
    survey.AlgemeneGegevens.durationClasses[4] = {240, 600};
    survey.AlgemeneGegevens.showNotesOnOpen = true;
    survey.AlgemeneGegevens.reportText2 = "Tweede regel";
    survey.RoutesList = {"0001 Centrum                            30"};
    survey.SectiesList = {"0001 0001 Markt", "0001 0002 Kerkstraat"};
    survey.ParkeerplaatsenList = {"0001 0001 0001 V", "0001 0002 0001 B"};
    survey.KentekensList = {"0001 0001 0001 0700-0730", "0001 0001 0001 0730-0800 12AB34 F"};
    survey.AantekeningenList = {"", "Eerste", "", "", "[geen sectie]", "Laatste", "", ""};
    return survey;
}

void ExpectSameData(const Survey& a, const Survey& b) {
    EXPECT_EQ(ProjectFileContent(a), ProjectFileContent(b));
    EXPECT_EQ(a.RoutesList, b.RoutesList);
    EXPECT_EQ(a.SectiesList, b.SectiesList);
    EXPECT_EQ(a.ParkeerplaatsenList, b.ParkeerplaatsenList);
    EXPECT_EQ(a.KentekensList, b.KentekensList);
    EXPECT_EQ(a.AantekeningenList, b.AantekeningenList);
}

TEST(ProjectFileContent, NewProjectHasTheFixedLayout) {
    const std::string content = ProjectFileContent(Survey());
    const std::string expected =
        "[Databestand voor Tavoric]\r\n\r\n[Algemene gegevens]\r\n000=100\r\n"
        "001=Parkeeronderzoek Centrum Demodorp\r\n002=Dag, datum\r\n"
        "003=Droog, circa 15 graden\r\n004=Namen\r\n005=0600\r\n006=1300\r\n007=0\r\n008=30\r\n"
        "009=30\r\n010=60\r\n011=60\r\n012=120\r\n013=120\r\n014=240\r\n015=240\r\n016=1440\r\n"
        "017=0\r\n018=Opdrachtgever: Gemeente Demodorp\r\n019=\r\n\r\n"
        "[Routes]\r\n\r\n[Secties]\r\n\r\n[Parkeerplaatsen]\r\n\r\n[Kentekens]\r\n\r\n"
        "[Aantekeningen]\r\n\r\n";
    EXPECT_EQ(content, expected);
}

TEST(ProjectFileRoundTrip, GivesIdenticalListsNotesAndValues) {
    const Survey original = FilledSurvey();
    const Survey reread = Read(ProjectFileContent(original));
    ExpectSameData(original, reread);
    EXPECT_EQ(reread.AlgemeneGegevens.surveyArea, "Binnenstad \xe9\xe9n");
    EXPECT_EQ(reread.AlgemeneGegevens.startTime, "0700");
    EXPECT_EQ(reread.AlgemeneGegevens.durationClasses[4].to, 600);
    EXPECT_TRUE(reread.AlgemeneGegevens.showNotesOnOpen);
    EXPECT_EQ(reread.AlgemeneGegevens.reportText2, "Tweede regel");

    Survey onlyBlankNote;
    onlyBlankNote.AantekeningenList = {""};
    EXPECT_EQ(Read(ProjectFileContent(onlyBlankNote)).AantekeningenList, LineList{""});
    EXPECT_TRUE(Read(ProjectFileContent(Survey())).AantekeningenList.empty());
}

TEST(ProjectFileRoundTrip, StreetGeometryOnlyWhenSetAfterTheOtherValues) {
    Survey survey;
    EXPECT_EQ(ProjectFileContent(survey).find("020="), std::string::npos);
    survey.AlgemeneGegevens.streetGeometry = "gis/straten centrum.geojson";
    const std::string content = ProjectFileContent(survey);
    EXPECT_NE(content.find("019=\r\n020=gis/straten centrum.geojson\r\n\r\n[Routes]"),
              std::string::npos);
    EXPECT_EQ(Read(content).AlgemeneGegevens.streetGeometry, "gis/straten centrum.geojson");
    EXPECT_EQ(Read(ProjectFileContent(Survey())).AlgemeneGegevens.streetGeometry, "");
}

TEST(ProjectFileReader, FindsSectionsInAnyOrderAndLeavesMissingOnesEmpty) {
    const Survey survey = Read(
        "[Kentekens]\nK1\n\n[Routes]\nR1\n\nR2\n\n[Algemene gegevens]\n001=Wijk\n"
        "[Parkeerplaatsen]\nP1\n[Routes]\nR9\n");
    EXPECT_EQ(survey.KentekensList, LineList{"K1"});
    EXPECT_EQ(survey.RoutesList, (LineList{"R1", "R2"})) << "blank lines skipped, first header";
    EXPECT_EQ(survey.AlgemeneGegevens.surveyArea, "Wijk");
    EXPECT_EQ(survey.ParkeerplaatsenList, LineList{"P1"});
    EXPECT_TRUE(survey.SectiesList.empty());
    EXPECT_TRUE(survey.AantekeningenList.empty());
}

TEST(ProjectFileReader, KeepsTheLastLineAndEndsASectionAtTheNextHeader) {
    EXPECT_EQ(Read("[Kentekens]\r\nK1\r\nK2").KentekensList, (LineList{"K1", "K2"}));
    EXPECT_EQ(Read("[Kentekens]\r\nK1\r\nK2\r\n").KentekensList, (LineList{"K1", "K2"}));

    const Survey survey = Read("[Routes]\r\n[Secties]\r\n0001 0001 Markt\r\n");
    EXPECT_TRUE(survey.RoutesList.empty());
    EXPECT_EQ(survey.SectiesList, LineList{"0001 0001 Markt"});
}

TEST(ProjectFileReader, ReadsGeneralKeysAsTheFileHoldsThem) {
    const GeneralValues defaults = NewProjectValues();
    auto read = [](std::string_view body) {
        return Read("[Algemene gegevens]\n" + std::string(body)).AlgemeneGegevens;
    };
    EXPECT_FALSE(read("017=yes").showNotesOnOpen);
    EXPECT_TRUE(read("017=1").showNotesOnOpen);
    EXPECT_FALSE(read("017=01").showNotesOnOpen);
    EXPECT_EQ(read("001=").surveyArea, "");
    EXPECT_EQ(read("001").surveyArea, defaults.surveyArea);
    EXPECT_EQ(read("001=a=b ").surveyArea, "a=b ") << "the value is the rest of the line";
    EXPECT_EQ(read("001=Eerst\n001=Later").surveyArea, "Later");
    EXPECT_EQ(read("002=x").reportText1, defaults.reportText1) << "absent keys keep defaults";
    EXPECT_EQ(read("000=999\n021=x\n 01=x\n1=x").surveyArea, defaults.surveyArea);
    EXPECT_EQ(read("020=x").surveyArea, defaults.surveyArea);
    EXPECT_EQ(read("007=abc\n008=45").durationClasses[0].from, 0);
    EXPECT_EQ(read("007=abc\n008=45").durationClasses[0].to, 45);
    EXPECT_EQ(read("016=99999999999").durationClasses[4].to, 1440);
    EXPECT_EQ(read("[Routes]\n001=Te laat").surveyArea, defaults.surveyArea);
    EXPECT_EQ(Read("001=Geen kop").AlgemeneGegevens.surveyArea, defaults.surveyArea);
}

TEST(ProjectFileReader, NotesRunToTheEndAndDropOnlyAnEmptyFinalLine) {
    EXPECT_EQ(Read("[Aantekeningen]\r\n a\r\n[Routes]\r\n\r\nb").AantekeningenList,
              (LineList{" a", "[Routes]", "", "b"}));
    EXPECT_EQ(Read("[Aantekeningen]\r\na\r\n").AantekeningenList, LineList{"a"});
    EXPECT_EQ(Read("[Aantekeningen]\r\na\r\n\r\n").AantekeningenList, LineList{"a"});
    EXPECT_TRUE(Read("[Aantekeningen]").AantekeningenList.empty());
}

TEST(ProjectFileReader, AcceptsEveryKindOfLineEnd) {
    const std::string crlf = ProjectFileContent(FilledSurvey());
    std::string lf;
    std::string cr;
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf[i] == '\r') {
            lf += '\n';
            cr += '\r';
            ++i;
        } else {
            lf += crlf[i];
            cr += crlf[i];
        }
    }
    ExpectSameData(Read(lf), FilledSurvey());
    ExpectSameData(Read(cr), FilledSurvey());
    EXPECT_EQ(Read("[Routes]\rR1\r\nR2\nR3\r").RoutesList, (LineList{"R1", "R2", "R3"}));
}

TEST(ProjectFileReader, LoadsOddContentWithoutLosingBytes) {
    const std::string nul("0001 0001 0001 0600-0630 A\0B", 28);
    EXPECT_EQ(Read("[Kentekens]\n" + nul).KentekensList, LineList{nul});

    const std::string huge(3 << 20, 'x');
    EXPECT_EQ(Read("[Aantekeningen]\n" + huge).AantekeningenList, LineList{huge});

    const Survey empty = Read("");
    EXPECT_TRUE(empty.RoutesList.empty());
    EXPECT_EQ(empty.AlgemeneGegevens.surveyArea, NewProjectValues().surveyArea);
    EXPECT_TRUE(Read("\r\r\n\n[").KentekensList.empty());
    EXPECT_EQ(Read("[Routes]\n\x81\x8d\x8f\x90\x9d").RoutesList, LineList{"\x81\x8d\x8f\x90\x9d"});
}

TEST(ProjectFileReader, AddsToWhatTheSurveyHolds) {
    Survey survey;
    survey.RoutesList = {"R0"};
    ReadProjectContent(survey, "[Routes]\nR1\n");
    EXPECT_EQ(survey.RoutesList, (LineList{"R0", "R1"}));
}

class ProjectFileOnDisk : public TempFolderTest {
protected:
    ScriptedPrompter prompter_;
};

TEST_F(ProjectFileOnDisk, SaveAndOpenSetTheProjectState) {
    Survey survey = FilledSurvey();
    survey.ProjectChanged = true;
    const std::string path = PathOf("Wijk.par");
    ASSERT_TRUE(WriteProjectFile(survey, path, prompter_));
    EXPECT_FALSE(survey.ProjectChanged);

    Survey opened;
    opened.ProjectChanged = true;
    ASSERT_TRUE(ReadProjectFile(opened, path, prompter_));
    ExpectSameData(opened, survey);
    EXPECT_EQ(opened.ProjectPath, path);
    EXPECT_FALSE(opened.ProjectChanged);
    EXPECT_TRUE(prompter_.asked().empty());
}

// The file is written in blocks as it is made: a survey of several blocks is written byte for byte.
TEST_F(ProjectFileOnDisk, ALargeSurveyIsWrittenExactlyAsItsContent) {
    Survey survey = MakeDemoSurvey({.places = 3000, .seed = 3});
    const std::string path = PathOf("Groot.par");
    ASSERT_TRUE(WriteProjectFile(survey, path, prompter_));
    std::string written;
    ASSERT_TRUE(ReadWholeFile(path, written));
    const std::string content = ProjectFileContent(survey);
    ASSERT_GT(content.size(), std::size_t{2} << 20);
    EXPECT_TRUE(written == content);
}

TEST_F(ProjectFileOnDisk, OpenFailureShowsTheErrorAndChangesNothing) {
    Survey survey;
    survey.ProjectPath = "Nieuw.par";
    EXPECT_FALSE(ReadProjectFile(survey, PathOf("weg.par"), prompter_));
    EXPECT_EQ(survey.ProjectPath, "Nieuw.par");
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].kind, DialogKind::Error);
    EXPECT_EQ(prompter_.asked()[0].text,
              "Kan bestand \"" + PathOf("weg.par") +
                  "\" niet openen.\rHet bestand of de map bestaat niet.");
}

// A spreadsheet, a UTF-16 text or any other file chosen by mistake must not open as an empty
// project that a save would then write over it.
TEST_F(ProjectFileOnDisk, FilesWithoutAnyProjectSectionAreRefused) {
    const std::string utf16("\xFF\xFE[\0R\0o\0u\0t\0e\0s\0]\0\r\0\n\0", 22);
    for (const std::string& content : {std::string("PK\x03\x04\x14\0\x06\0binary"), utf16,
                                       std::string("Route;Omschrijving\r\n0001;Markt\r\n")}) {
        const std::string path = PathOf("vreemd.par");
        FileError error;
        ASSERT_TRUE(WriteFileAtomically(path, content, error));
        Survey survey;
        survey.ProjectPath = "Nieuw.par";
        EXPECT_FALSE(ReadProjectFile(survey, path, prompter_));
        EXPECT_EQ(survey.ProjectPath, "Nieuw.par");
        ASSERT_FALSE(prompter_.asked().empty());
        EXPECT_EQ(prompter_.asked().back().text,
                  "Bestand \"" + path +
                      "\" is geen Tavoric-project: het bevat geen van de onderdelen van een "
                      "projectbestand. Er is niets gewijzigd.");
    }
}

TEST_F(ProjectFileOnDisk, EmptyFilesOpenAndAByteOrderMarkIsSkipped) {
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(PathOf("leeg.par"), "", error));
    ASSERT_TRUE(WriteFileAtomically(
        PathOf("bom.par"), "\xEF\xBB\xBF[Routes]\r\n0001 Markt\r\n\r\n[Aantekeningen]\r\n\r\n",
        error));
    Survey empty;
    EXPECT_TRUE(ReadProjectFile(empty, PathOf("leeg.par"), prompter_));
    EXPECT_TRUE(empty.RoutesList.empty());
    Survey marked;
    EXPECT_TRUE(ReadProjectFile(marked, PathOf("bom.par"), prompter_));
    EXPECT_EQ(marked.RoutesList, LineList{"0001 Markt"});
    EXPECT_TRUE(prompter_.asked().empty());
}

// Headers typed by hand or written by other programs: any letter case, blanks or tabs after.
TEST(ProjectFileReader, MatchesHeadersIgnoringCaseAndTrailingBlanks) {
    Survey survey;
    ReadProjectContent(survey,
                       "[routes]\r\nR1\r\n[Secties] \t\r\nS1\r\n[KENTEKENS]\t\r\n"
                       "0001 0001 0001 0600-0630\r\n[ Routes]\r\nnot a route\r\n"
                       "[aantekeningen]  \r\nnote\r\n\r\n");
    EXPECT_EQ(survey.RoutesList, LineList{"R1"});
    EXPECT_EQ(survey.SectiesList, LineList{"S1"});
    EXPECT_EQ(survey.KentekensList.size(), 1u);
    EXPECT_EQ(survey.AantekeningenList, LineList{"note"});
    const std::string written = ProjectFileContent(survey);
    EXPECT_NE(written.find("\r\n[Routes]\r\nR1\r\n"), std::string::npos);
    EXPECT_EQ(written.find("[routes]"), std::string::npos);
}

// A file cut off by a full disk or a failed copy opens with a warning naming what looks
// damaged, and everything it holds is loaded.
TEST_F(ProjectFileOnDisk, CutOffFilesOpenWithAWarningAndLoseNothing) {
    Survey full = FilledSurvey();
    full.KentekensList = {"0001 0001 0001 0600-0630 AB12CD  ", "0001 0001 0001 0630-0700"};
    const std::string content = ProjectFileContent(full);
    const std::string cut = content.substr(0, content.find("0630-0700") + 2);
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(PathOf("cut.par"), cut, error));

    Survey opened;
    ASSERT_TRUE(ReadProjectFile(opened, PathOf("cut.par"), prompter_));
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].kind, DialogKind::Warning);
    const std::string& text = prompter_.asked()[0].text;
    EXPECT_NE(text.find(PathOf("cut.par")), std::string::npos);
    EXPECT_NE(text.find("[Aantekeningen]"), std::string::npos);
    EXPECT_NE(text.find("afgebroken kentekenregels: 1 "), std::string::npos);
    EXPECT_EQ(opened.KentekensList.size(), 2u);
    EXPECT_EQ(opened.RoutesList, full.RoutesList);

    prompter_.Clear();
    ASSERT_TRUE(WriteFileAtomically(PathOf("whole.par"), content, error));
    Survey whole;
    ASSERT_TRUE(ReadProjectFile(whole, PathOf("whole.par"), prompter_));
    EXPECT_TRUE(prompter_.asked().empty());
}

// A file saved as UTF-8 by another program: read as such and held, and saved, in code page 1252.
TEST_F(ProjectFileOnDisk, AUtf8FileWithAByteOrderMarkIsDecodedAndWhatCannotBeHeldNamed) {
    const std::string content =
        "\xEF\xBB\xBF[Routes]\r\n0001 K\xC3\xA9"
        "rkstraat \xE2\x82\xAC\r\n"
        "0002 \xC5\x81\xC3\xB3"
        "d\xC5\xBA \xC5\x81 \xE2\x9C\x93\r\n"
        "[Kentekens]\r\n0001 0001 0001 0600-0615 \xC3\x84"
        "B12CD F\r\n[Aantekeningen]\r\n";
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(PathOf("utf8.par"), content, error));
    Survey survey;
    ASSERT_TRUE(ReadProjectFile(survey, PathOf("utf8.par"), prompter_));
    EXPECT_EQ(survey.RoutesList, (LineList{"0001 K\xE9"
                                           "rkstraat \x80",
                                           "0002 ?\xF3"
                                           "d? ? ?"}));
    ASSERT_EQ(survey.KentekensList.size(), 1u);
    EXPECT_EQ(PpePlate(survey.KentekensList[0]),
              "\xC4"
              "B12CD");
    EXPECT_EQ(PpeRemark(survey.KentekensList[0]), "F");
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].kind, DialogKind::Warning);
    EXPECT_EQ(Cp1252ToUtf8(prompter_.asked()[0].text),
              "Projectbestand \"" + PathOf("utf8.par") +
                  "\" is als UTF-8 opgeslagen. Deze tekens bestaan niet in de tekenset van het "
                  "programma en zijn vervangen door \"?\": \xC5\x81 \xC5\xBA \xE2\x9C\x93");
    ASSERT_TRUE(WriteProjectFile(survey, PathOf("uit.par"), prompter_));
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(PathOf("uit.par"), saved));
    EXPECT_NE(saved.find("0001 K\xE9"
                         "rkstraat \x80\r\n"),
              std::string::npos);
    EXPECT_FALSE(saved.starts_with("\xEF\xBB\xBF"));
}

// A FIFO would block the program for ever, a folder is no project.
TEST_F(ProjectFileOnDisk, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(PathOf("pijp.par").c_str(), 0600), 0);
    Survey survey;
    EXPECT_FALSE(ReadProjectFile(survey, PathOf("pijp.par"), prompter_));
    EXPECT_FALSE(ReadProjectFile(survey, folder_.string(), prompter_));
    ASSERT_EQ(prompter_.asked().size(), 2u);
    EXPECT_NE(prompter_.asked()[0].text.find("\rDit is geen gewoon bestand"), std::string::npos);
    EXPECT_NE(prompter_.asked()[1].text.find("\rDit is een map, geen bestand."), std::string::npos);
}

TEST_F(ProjectFileOnDisk, SaveFailureKeepsTheOldFileAndTheChangedMark) {
    const std::string path = PathOf("Wijk.par");
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(path, "oud", error));
    Survey survey = FilledSurvey();
    survey.ProjectChanged = true;
    const std::string blocked = PathOf("Wijk.par/sub.par");

    EXPECT_FALSE(WriteProjectFile(survey, blocked, prompter_));
    EXPECT_TRUE(survey.ProjectChanged);
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].kind, DialogKind::Warning);
    EXPECT_EQ(prompter_.asked()[0].text,
              "Kan bestand \"" + blocked +
                  "\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
                  "schrijfbeveiligd.\rEen deel van het pad is geen map.");
    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content));
    EXPECT_EQ(content, "oud");
}

}  // namespace
}  // namespace tavoric
