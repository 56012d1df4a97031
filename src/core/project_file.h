// SPDX-License-Identifier: GPL-3.0-or-later
// The ".par" project file: named sections, the general values as numbered key lines, the four
// record lists and the notes verbatim. Code page 1252, CR LF line ends.
#pragma once

#include <string>

#include "core/prompter.h"
#include "core/survey.h"

namespace tavoric {

// "Tavoric-bestanden (*.par)|*.par|Alle bestanden (*.*)|*.*"
extern const char* const kProjectFileFilter;

// The whole file as the writer produces it.
std::string ProjectFileContent(const Survey& survey);
// The same into out, replacing what it held; its memory is reused when large enough, which
// spares a copy taken every minute the cost of fresh memory.
void ProjectFileContentInto(const Survey& survey, std::string& out);
// At least the bytes of that content.
std::size_t ProjectFileContentCapacity(const Survey& survey);

// Writes the project atomically: a temporary file in the same folder, flushed to disk, renamed
// over the target (keeping the old file's permissions). On success clears ProjectChanged and
// returns true. On failure the old file is untouched, notice AA00006 names the path (with the
// operating system's error text on a second line), ProjectChanged stays, and it returns false.
bool WriteProjectFile(Survey& survey, const std::string& path, Prompter& prompter);

// Fills a survey that the caller has reset to a new project. When the file cannot be opened or
// is not a regular file, shows notice AA00035 with the reason; when it holds none of the
// project's section headers (a spreadsheet or other file chosen by mistake), notice AA00314;
// when it does not fit in memory, notice AA00035 saying so; in every case it returns false with
// the survey unchanged. Other content is accepted as it is; a file that looks cut off (no notes
// section, which the writer always puts last, or slot lines shorter than their key) is loaded
// whole and warning AA00628 names what looks damaged. Section headers match in any letter case
// and with blanks or tabs after them.
// On success sets ProjectPath and clears ProjectChanged. Opening the notes window when key 017
// is set is the caller's part.
bool ReadProjectFile(Survey& survey, const std::string& path, Prompter& prompter);

// The reading half of ReadProjectFile: the file's bytes as they are on disk, or false after
// notice AA00035 (cannot be opened, not a regular file, too big for the memory).
bool ReadProjectFileBytes(const std::string& path, ByteBlock& content, Prompter& prompter);

// ReadProjectFile on a file's bytes read elsewhere (standard input, a pipe): the same checks and
// notices, naming path, which becomes ProjectPath.
bool ReadProjectBytes(Survey& survey, ByteBlock content, const std::string& path,
                      Prompter& prompter);

// Whether content can be a project: it holds at least one section header, or nothing but blanks
// and line ends (an empty file opens as an empty project). A UTF-8 byte order mark is skipped.
bool HoldsProjectSections(std::string_view content);

// The reader on content already in memory (the fuzzer and tests use it); accepts any bytes.
void ReadProjectContent(Survey& survey, std::string_view content);
// The same on a block that the survey may keep: its slots stay in it, uncopied.
void ReadProjectBlock(Survey& survey, ByteBlock content);

}  // namespace tavoric
