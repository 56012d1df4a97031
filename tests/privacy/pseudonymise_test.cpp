// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/pseudonymise.h"

#include <gtest/gtest.h>

#include <set>

#include "../analysis/analysis_test_support.h"
#include "../core/temp_folder.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/scripted_prompter.h"
#include "privacy_test_support.h"

namespace tavoric {
namespace {

// One place with a slot per plate field, in a 15-minute route from 0600.
Survey SurveyWithPlates(const std::vector<std::string>& plates,
                        const std::string& place = "0001 0001 0001") {
    return SurveyBuilder("0600", "2359").Route("0001", 15).Place(place, "V", plates).Build();
}

std::vector<std::string> CodedFields(const std::vector<std::string>& plates,
                                     const PseudonymKey& key = TestKey()) {
    Survey survey = SurveyWithPlates(plates);
    EXPECT_TRUE(PseudonymiseSurvey(survey, key, {}).summary);
    return PlateFields(survey.KentekensList);
}

bool IsCode(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// Codes must never change between versions of the program: a survey coded today and one coded
// next year with the same key have to match.
TEST(Pseudonymise, CodesOfAFixedKeyNeverChange) {
    EXPECT_EQ(CodedFields({"AB12CD", "12ABC3", "", "      "}),
              (std::vector<std::string>{"4H0OLY", "GX9FVU", "      ", "      "}));
}

TEST(Pseudonymise, SameTextSameCodeOtherTextOtherCode) {
    const std::vector<std::string> fields =
        CodedFields({"AB12CD", "ab12cd", "AB12CD", "AB 12", "AB12", "AB12CD"});
    EXPECT_EQ(fields[0], fields[2]);
    EXPECT_EQ(fields[0], fields[5]);
    EXPECT_EQ(std::set<std::string>(fields.begin(), fields.end()).size(), 4u);  // case counts
    for (const std::string& field : fields) {
        EXPECT_TRUE(IsCode(field)) << field;
    }
}

TEST(Pseudonymise, OneToOneOnAHundredThousandPlates) {
    constexpr std::size_t kPlates = 100000;
    const std::string characters = "ABCDEFGHJKLMNPRSTVXZabcdefghjk0123456789 ";
    Survey survey = SurveyBuilder("0600", "0615").Route("0001", 15).Build();
    std::vector<std::string> plates;
    for (std::size_t i = 0; i < kPlates; ++i) {
        std::string plate = "K";
        for (std::size_t n = i; plate.size() < 6; n /= characters.size() - 1) {
            plate += characters[n % (characters.size() - 1)];
        }
        plates.push_back(plate);
        // Every plate twice, at two places.
        for (const char* place : {"0001 0001 ", "0001 0002 "}) {
            survey.KentekensList.push_back(PpeLineWithPlate(
                place + PadField("R", std::to_string(i % 9999 + 1), "0", 4) + " 0600-0615", plate,
                " "));
        }
    }
    const PseudonymiseResult result = PseudonymiseSurvey(survey, TestKey(), {});
    ASSERT_TRUE(result.summary);
    EXPECT_EQ(result.summary->distinctPlates, kPlates);
    EXPECT_EQ(result.summary->replacedPlates, 2 * kPlates);
    std::set<std::string> codes;
    for (std::size_t i = 0; i < kPlates; ++i) {
        const std::string code(survey.KentekensList[2 * i].substr(25, 6));
        EXPECT_EQ(code, survey.KentekensList[2 * i + 1].substr(25, 6));
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), kPlates);
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), IsCode));
}

// Fields of five blanks and one character of its own.
std::vector<std::string> SingleCharacterPlates(int count) {
    std::vector<std::string> plates;
    for (int i = 0; i < count; ++i) {
        plates.push_back("     " + std::string(1, static_cast<char>('!' + i)));
    }
    return plates;
}

// Five leading blanks leave room for one character: 36 codes, each used once.
TEST(Pseudonymise, AFullCodeLengthIsStillOneToOne) {
    const std::vector<std::string> fields = CodedFields(SingleCharacterPlates(36));
    EXPECT_EQ(std::set<std::string>(fields.begin(), fields.end()).size(), 36u);
    for (const std::string& field : fields) {
        EXPECT_TRUE(field.starts_with("     ") && IsCode(field.substr(5))) << field;
    }
}

TEST(Pseudonymise, MoreTextsThanCodesIsRefusedAndChangesNothing) {
    Survey survey = SurveyWithPlates(SingleCharacterPlates(37));
    survey.AantekeningenList = {"Waarnemer: Jan"};
    const Survey original = survey;
    const PseudonymiseResult result = PseudonymiseSurvey(survey, TestKey(), {true, true});
    EXPECT_FALSE(result.summary);
    EXPECT_EQ(result.message, FormatText(MessageText("AA00565"), {"37", "1", "36"}));
    EXPECT_EQ(survey.KentekensList, original.KentekensList);
    EXPECT_EQ(survey.AantekeningenList, original.AantekeningenList);
}

// A leading blank means "no vehicle" to the report per parking place and must keep meaning it;
// the code fills the field after the blanks and the line keeps its length and remark.
TEST(Pseudonymise, LeadingBlanksAndShortLinesKeepTheirShape) {
    Survey survey = SurveyWithPlates({" B12CD", "B12CD", "  XY", "XY", "     Q", "Q"});
    LineBuffer& slots = survey.KentekensList;
    slots.Set(3, std::string(slots[3].substr(0, 24)) + " XY");  // ends early
    std::string withRemark(slots[1]);
    withRemark.back() = 'F';
    slots.Set(1, withRemark);
    const Survey original = survey;
    const PseudonymiseResult result = PseudonymiseSurvey(survey, TestKey(), {});
    ASSERT_TRUE(result.summary);
    for (std::size_t i = 0; i < survey.KentekensList.size(); ++i) {
        EXPECT_EQ(survey.KentekensList[i].size(), original.KentekensList[i].size());
        EXPECT_EQ(CharsFrom(survey.KentekensList[i], 32), CharsFrom(original.KentekensList[i], 32));
    }
    const std::vector<std::string> fields = PlateFields(survey.KentekensList);
    // B12CD's shortest form leaves 5 characters: that code is used in both fields.
    EXPECT_EQ(fields[0].substr(0, 1), " ");
    EXPECT_EQ(fields[1], fields[0].substr(1) + " ");
    // XY's shortest form is the line that ends after two characters.
    EXPECT_EQ(fields[3].size(), 2u);
    EXPECT_EQ(fields[2], "  " + fields[3] + "  ");
    EXPECT_EQ(fields[4].substr(0, 5), "     ");
    EXPECT_EQ(fields[5], fields[4].substr(5) + "     ");
    EXPECT_EQ(result.summary->shortenedPlates, 3u);
    EXPECT_EQ(result.summary->replacedPlates, 6u);
}

TEST(Pseudonymise, TextAfterTheRemarkIsRemovedAndCounted) {
    Survey survey = SurveyWithPlates({"AB12CD", "", "XY99ZZ", "Q"});
    LineBuffer& slots = survey.KentekensList;
    const std::string full(slots[0]);
    slots.Set(0, full.substr(0, 32) + "F AB12CD was here");  // a plate after the remark
    slots.Set(1, std::string(slots[1].substr(0, 24)) + "         AB12CD");  // no vehicle
    slots.Set(2, std::string(slots[2].substr(0, 33)) + " ");
    const PseudonymiseResult result = PseudonymiseSurvey(survey, TestKey(), {});
    ASSERT_TRUE(result.summary);
    EXPECT_EQ(result.summary->shortenedLines, 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(slots[i].size(), 33u) << slots[i];
        EXPECT_EQ(slots[i].find("AB12CD"), std::string::npos) << slots[i];
    }
    EXPECT_EQ(slots[0][32], 'F');  // the remark stays
    EXPECT_EQ(slots[3].size(), full.size());
    const std::vector<std::string> lines = SummaryLines(*result.summary);
    EXPECT_NE(std::find(lines.begin(), lines.end(), FormatText(MessageText("AA00559"), {"3"})),
              lines.end());
}

TEST(Pseudonymise, SameKeySameCodesInAnotherSurveyOtherKeyOtherCodes) {
    const std::vector<std::string> first = CodedFields({"AB12CD", "XY99ZZ", "12ABC3"});
    const std::vector<std::string> second = CodedFields({"12ABC3", "PQ34RS", "AB12CD"});
    EXPECT_EQ(first[0], second[2]);
    EXPECT_EQ(first[2], second[0]);
    const std::vector<std::string> otherKey =
        CodedFields({"AB12CD", "XY99ZZ", "12ABC3"}, TestKey(100));
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_NE(first[i], otherKey[i]);
    }
}

TEST(Pseudonymise, ClearsObserversAndNotesOnlyWhenAsked) {
    Survey survey = SurveyWithPlates({"AB12CD"});
    survey.AlgemeneGegevens.observers = "Jan en Piet";
    survey.AantekeningenList = {"Jan belde om 0800", ""};
    Survey kept = survey;
    ASSERT_TRUE(PseudonymiseSurvey(kept, TestKey(), {}).summary);
    EXPECT_EQ(kept.AlgemeneGegevens.observers, "Jan en Piet");
    EXPECT_EQ(kept.AantekeningenList, survey.AantekeningenList);
    const PseudonymiseResult cleared = PseudonymiseSurvey(survey, TestKey(), {true, true});
    ASSERT_TRUE(cleared.summary);
    EXPECT_TRUE(survey.AlgemeneGegevens.observers.empty());
    EXPECT_TRUE(survey.AantekeningenList.empty());
    EXPECT_EQ(survey.AlgemeneGegevens.weather, kept.AlgemeneGegevens.weather);
    EXPECT_EQ(SummaryLines(*cleared.summary),
              (std::vector<std::string>{FormatText(MessageText("AA00550"), {"1", "1"}),
                                        MessageText("AA00553"), MessageText("AA00554")}));
}

// Slots of one place and period are ordered by plate in the report per parking place, so codes
// can reorder them; the summary warns when two plates share a slot.
TEST(Pseudonymise, CountsSlotsThatShareAPlaceAndPeriodWithAnotherPlate) {
    const auto sharedSlots = [](const std::vector<std::string>& second) {
        Survey survey = SurveyBuilder("0600", "0630")
                            .Route("0001", 15)
                            .Place("0001 0001 0001", "V", {"AB12CD", "XY99ZZ"})
                            .Place("0001 0001 0001", "V", second)
                            .Place("0001 0001 0002", "V", {"PQ34RS", "PQ34RS"})
                            .Build();
        return PseudonymiseSurvey(survey, TestKey(), {}).summary->sharedSlots;
    };
    EXPECT_EQ(sharedSlots({"AB12CD", "XY99ZZ"}), 0u);
    EXPECT_EQ(sharedSlots({"", "      "}), 0u);
    EXPECT_EQ(sharedSlots({"ab12cd", "XY99ZZ"}), 2u);
    EXPECT_EQ(sharedSlots({"PQ34RS", "TU56VW"}), 4u);
}

class PseudonymisedCopyTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        survey_ = SurveyWithPlates({"AB12CD", "AB12CD", "XY99ZZ"});
        survey_.ProjectPath = PathOf("meting.par");
        ScriptedPrompter unused;
        ASSERT_TRUE(WriteProjectFile(survey_, survey_.ProjectPath, unused));
        request_.outPath = PathOf("meting-codes.par");
        request_.keyPath = PathOf("instellingen/Tavoric/pseudoniem.key");
        request_.createKeyIfMissing = true;
    }

    Survey survey_;
    PseudonymiseRequest request_;
    ScriptedPrompter prompter_;
};

TEST_F(PseudonymisedCopyTest, WritesTheCopyAndLeavesTheSurvey) {
    const Survey original = survey_;
    const auto summary = WritePseudonymisedCopy(survey_, request_, prompter_);
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->keyCreated);
    EXPECT_EQ(summary->keyPath, request_.keyPath);
    EXPECT_EQ(survey_.KentekensList, original.KentekensList);
    Survey copy;
    ASSERT_TRUE(ReadProjectFile(copy, request_.outPath, prompter_));
    EXPECT_EQ(PlateFields(copy.KentekensList),
              CodedFields({"AB12CD", "AB12CD", "XY99ZZ"}, *ReadKeyFile(request_.keyPath).key));
    std::string content;
    ASSERT_TRUE(ReadWholeFile(request_.outPath, content));
    EXPECT_EQ(content.find("AB12CD"), std::string::npos);
    EXPECT_EQ(content.find("XY99ZZ"), std::string::npos);
    const auto again = WritePseudonymisedCopy(survey_, request_, prompter_);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->keyCreated);
    EXPECT_EQ(SummaryLines(*again).back(), FormatText(MessageText("AA00555"), {request_.keyPath}));
}

TEST_F(PseudonymisedCopyTest, NeverOverwritesTheSurveysOwnFile) {
    std::string before;
    ASSERT_TRUE(ReadWholeFile(survey_.ProjectPath, before));
    request_.outPath = folder_.string() + "/./meting.par";
    EXPECT_FALSE(WritePseudonymisedCopy(survey_, request_, prompter_));
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_NE(prompter_.asked()[0].text.find("meting.par"), std::string::npos);
    std::string after;
    ASSERT_TRUE(ReadWholeFile(survey_.ProjectPath, after));
    EXPECT_EQ(after, before);
}

TEST_F(PseudonymisedCopyTest, TheKeyFileIsNeverTheOutputByAnyName) {
    ASSERT_TRUE(WritePseudonymisedCopy(survey_, request_, prompter_));
    std::string key;
    ASSERT_TRUE(ReadWholeFile(request_.keyPath, key));
    std::filesystem::create_symlink(request_.keyPath, PathOf("link.key"));
    std::filesystem::create_hard_link(request_.keyPath, PathOf("hard.key"));
    const std::string keyFolder = std::filesystem::path(request_.keyPath).parent_path().string();
    for (const std::string& out : {request_.keyPath, PathOf("link.key"), PathOf("hard.key"),
                                   keyFolder + "/../Tavoric/pseudoniem.key"}) {
        SCOPED_TRACE(out);
        request_.outPath = out;
        ScriptedPrompter prompter;
        EXPECT_FALSE(WritePseudonymisedCopy(survey_, request_, prompter));
        ASSERT_EQ(prompter.asked().size(), 1u);
        EXPECT_EQ(prompter.asked()[0].text, FormatText(MessageText("AA00569"), {request_.keyPath}));
        std::string after;
        ASSERT_TRUE(ReadWholeFile(request_.keyPath, after));
        EXPECT_EQ(after, key);
    }
    // A key still to be made is no output either.
    request_.keyPath = request_.outPath = PathOf("nieuw/pseudoniem.key");
    EXPECT_FALSE(WritePseudonymisedCopy(survey_, request_, prompter_));
    EXPECT_FALSE(std::filesystem::exists(request_.keyPath));
}

TEST_F(PseudonymisedCopyTest, AnUnusableKeyFileWritesNothing) {
    request_.keyPath = PathOf("kort.key");
    request_.createKeyIfMissing = false;
    FileError error;
    ASSERT_TRUE(WriteFileAtomically(request_.keyPath, std::string(31, 'k'), error));
    EXPECT_FALSE(WritePseudonymisedCopy(survey_, request_, prompter_));
    ASSERT_EQ(prompter_.asked().size(), 1u);
    EXPECT_EQ(prompter_.asked()[0].text,
              FormatText(MessageText("AA00562"), {request_.keyPath, "31"}));
    EXPECT_FALSE(std::filesystem::exists(request_.outPath));
}

}  // namespace
}  // namespace tavoric
