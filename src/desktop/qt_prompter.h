// SPDX-License-Identifier: GPL-3.0-or-later
// The Prompter on Qt dialogs: the message dialog with its captions, button order and default
// button, and the file and folder dialogs.
#pragma once

#include <QDialog>
#include <QString>

#include "core/prompter.h"

class QPushButton;

namespace tavoric {

// The one modal dialog for every notice and question. Buttons stand in the order Yes, No, OK,
// Cancel; Enter presses the default button. Closing the dialog answers Cancel when there is a
// Cancel button, otherwise OK.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    TMessageForm(QWidget* parent, const QString& caption, const QString& heading,
                 const QString& text, DialogKind kind, const ButtonCaptions& captions,
                 int defaultButton);
    int Result() const { return result_; }

    void reject() override;

private:
    QPushButton* AddButton(const std::string& caption, const char* fallback, int result);

    int result_ = kCancel;
    int closeResult_ = kCancel;
};

// "Tavoric-bestanden (*.par)|*.par|Alle bestanden (*.*)|*.*" in Qt's form
// "Tavoric-bestanden (*.par);;Alle bestanden (*)".
QString QtFileFilter(const std::string& pipeFilter);

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}

    int MessageDialog(const std::string& caption, const std::string& heading,
                      const std::string& text, DialogKind kind, const ButtonCaptions& captions,
                      int defaultButton) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace tavoric
