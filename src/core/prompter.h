// SPDX-License-Identifier: GPL-3.0-or-later
// Every question, notice and file dialog reaches the user through one Prompter. The desktop
// implements it with dialogs, the tests with a script of answers. Texts are code page 1252.
#pragma once

#include <optional>
#include <string>

namespace tavoric {

enum class DialogKind { Information, Warning, Error, Question };

// Result codes of MessageDialog.
enum DialogResult : int { kYes = 6, kNo = 7, kOk = 1, kCancel = 2 };
// Default button indexes of MessageDialog.
enum DefaultButton : int { kDefaultYes = 0, kDefaultNo = 1, kDefaultOk = 2, kDefaultCancel = 3 };

// Button captions; an empty caption falls back to "&Yes", "&No", "&OK" or "&Cancel". A
// question without its cancel button answers No when it is closed.
struct ButtonCaptions {
    std::string yes;
    std::string no;
    std::string ok;
    std::string cancel;
    bool withCancel = true;
};

// A file or folder dialog; a folder dialog has no filter and no proposed name.
struct FileDialogRequest {
    std::string filter;      // "Description (*.ext)|*.ext|..."
    std::string presetName;  // proposed file name, may be empty
    std::string folder;      // starting folder, may be empty
    std::string title;       // the command that opens the dialog, without "&" and "..."
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // Notices show OK only; questions show Yes, No and Cancel. Returns a DialogResult code.
    virtual int MessageDialog(const std::string& caption, const std::string& heading,
                              const std::string& text, DialogKind kind,
                              const ButtonCaptions& captions, int defaultButton) = 0;
    virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> BrowseFolder(const FileDialogRequest& request) = 0;
};

// The shorthands every caller uses: caption "Tavoric", button "&OK" from the message texts.
void ErrorNotice(Prompter& prompter, const std::string& text);
void WarningNotice(Prompter& prompter, const std::string& text);
void InformationNotice(Prompter& prompter, const std::string& text);
// Yes, No and Cancel with the given captions; returns kYes, kNo or kCancel.
int Question(Prompter& prompter, const std::string& heading, const std::string& text,
             const ButtonCaptions& captions, int defaultButton);

}  // namespace tavoric
