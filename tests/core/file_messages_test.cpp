// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_messages.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/codec.h"
#include "core/message_texts.h"

namespace tavoric {
namespace {

// "Łódź 中.par": letters that code page 1252 cannot hold.
const std::string kTypedName =
    "/data/\xC5\x81\xC3\xB3"
    "d\xC5\xBA \xE4\xB8\xAD.par";

TEST(FileMessages, NamesShowAsTypedWhileTheTextKeepsItsCodePage) {
    const std::string text = OpenFailureText(kTypedName, {FileError::Kind::System, ENOENT});
    EXPECT_EQ(Cp1252ToUtf8(text), "Kan bestand \"" + kTypedName +
                                      "\" niet openen.\rHet bestand of de map bestaat niet.");
    EXPECT_EQ(Utf8ToCp1252(kTypedName),
              "/data/?\xF3"
              "d? ?.par")
        << "elsewhere still code page";
    EXPECT_EQ(Cp1252ToUtf8(Utf8ForMessage("\xFF"
                                          "x")),
              "?x")
        << "broken UTF-8";
}

TEST(FileMessages, ReasonsInTheProgramsLanguage) {
    EXPECT_EQ(FileErrorReason({FileError::Kind::System, EACCES}),
              "Geen toegang: u hebt onvoldoende rechten.");
    EXPECT_EQ(FileErrorReason({FileError::Kind::System, ENOSPC}), "De schijf is vol.");
    EXPECT_EQ(FileErrorReason({FileError::Kind::ReadOnlyFile, 0}),
              "Het bestand is alleen-lezen: u mag het niet wijzigen.");
    EXPECT_EQ(FileErrorReason({FileError::Kind::System, EXDEV}), "Invalid cross-device link")
        << "the system's text for the rare ones";

    SetMessageText("AA00303", "The disk is full.");
    EXPECT_EQ(SaveFailureText("AA00006", "a.txt", {FileError::Kind::System, ENOSPC}),
              "Kan bestand \"a.txt\" niet opslaan. Mogelijk geen schrijfrechten of schijf is "
              "schrijfbeveiligd.\rThe disk is full.");
    SetDefaultMessageTexts();
}

// The file is not at fault when its folder may not be written.
TEST(FileMessages, AFolderThatMayNotBeWrittenIsNamed) {
    EXPECT_EQ(
        SaveFailureText("AA00006", "/srv/archief/./wijk.par", {FileError::Kind::ReadOnlyFolder, 0}),
        "Kan bestand \"/srv/archief/./wijk.par\" niet opslaan: in de map \"/srv/archief\" "
        "mag u geen bestanden maken.");
}

}  // namespace
}  // namespace tavoric
