// SPDX-License-Identifier: GPL-3.0-or-later
// Windows in another language: a window translated from a small language file, the template
// read back out, the first-run language dialog, and a shipped English file that translates
// every text of every translated window.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <map>
#include <set>
#include <tuple>

#include "app/ui/main_form.h"
#include "core/atomic_file.h"
#include "core/message_texts.h"
#include "core/scripted_prompter.h"
#include "desktop/qt_text.h"
#include "desktop/widgets.h"
#include "lang/language_files.h"
#include "lang/ui/language_form.h"
#include "lang/ui/language_windows.h"
#include "lang/ui/translate_window.h"

namespace tavoric {

namespace {

template <typename Widget>
Widget* Add(QWidget* window, const char* name) {
    auto* widget = new Widget(window);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A window with one control of every kind the files translate.
struct SmallWindow {
    QDialog window;
    QLabel* label;
    QPushButton* button;
    QPlainTextEdit* memo;
    QComboBox* combo;
    QLabel* reserved;

    SmallWindow() {
        window.setObjectName(QStringLiteral("TestForm"));
        window.setWindowTitle(QStringLiteral("Proef"));
        label = Add<QLabel>(&window, "Label1");
        label->setText(QStringLiteral("Naam:"));
        button = Add<QPushButton>(&window, "Button1");
        button->setText(QStringLiteral("&Sluiten"));
        button->setToolTip(QStringLiteral("Venster sluiten"));
        memo = Add<QPlainTextEdit>(&window, "Memo1");
        memo->setPlainText(QStringLiteral("eerste\ntweede\nMemo1"));
        combo = Add<QComboBox>(&window, "ComboBox1");
        combo->addItems({QStringLiteral("rood"), QStringLiteral("groen")});
        reserved = Add<QLabel>(&window, "ntLabel2");
        reserved->setText(QStringLiteral("vast"));
    }
};

// The key a caption's mnemonic gives, lower case; 0 when it has none ("&&" is a plain "&").
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return QChar();
}

std::optional<QString> CaptionWithMnemonic(QWidget* widget) {
    if (qobject_cast<QToolButton*>(widget)) {
        return std::nullopt;
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return std::nullopt;
}

// The tab page a control lies on, or its window when it lies on none.
QWidget* PageOf(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<QStackedWidget*>(w->parentWidget())) {
            return w;
        }
    }
    return widget->window();
}

// Mnemonics that two controls reachable at the same time share, and texts that name a key
// ("[alt+k]") their mnemonic does not give; one line per fault.
struct MnemonicCaption {
    QObject* control;
    QString caption;
    QWidget* page;  // where its key reaches it: a tab page, or the whole window
};

// The captions of a window's controls that are not hidden; a menu's are its commands, a main
// window's those of its menu bar.
std::vector<MnemonicCaption> MnemonicCaptions(QWidget* window) {
    std::vector<MnemonicCaption> captions;
    QList<QAction*> commands;
    if (auto* menu = qobject_cast<QMenu*>(window)) {
        commands = menu->actions();
    } else if (auto* main = qobject_cast<QMainWindow*>(window)) {
        commands = main->menuBar()->actions();
    }
    for (QAction* command : commands) {
        if (command->isVisible() && !command->isSeparator()) {
            QObject* control = command->menu() ? static_cast<QObject*>(command->menu()) : command;
            captions.push_back({control, command->text(), window});
        }
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const std::optional<QString> caption = CaptionWithMnemonic(widget);
        if (caption && widget->window() == window && !widget->isHidden()) {
            captions.push_back({widget, *caption, PageOf(widget)});
        }
    }
    return captions;
}

std::string MnemonicFaults(QWidget* mainWindow) {
    std::string faults;
    for (QWidget* window : ProgramWindows(mainWindow)) {
        std::vector<std::tuple<QObject*, QChar, QWidget*>> keys;
        for (const auto& [control, caption, page] : MnemonicCaptions(window)) {
            const QChar key = Mnemonic(caption);
            static const QRegularExpression named(QStringLiteral("\\[alt\\+(.)\\]"),
                                                  QRegularExpression::CaseInsensitiveOption);
            const QRegularExpressionMatch match = named.match(caption);
            if (match.hasMatch() && match.captured(1).at(0).toLower() != key) {
                faults += (window->objectName() + QStringLiteral(": ") + caption).toStdString() +
                          " names another key than its mnemonic\n";
            }
            if (!key.isNull()) {
                keys.emplace_back(control, key, page);
            }
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            for (std::size_t j = i + 1; j < keys.size(); ++j) {
                const auto& [a, keyA, pageA] = keys[i];
                const auto& [b, keyB, pageB] = keys[j];
                if (keyA == keyB && (pageA == pageB || pageA == window || pageB == window)) {
                    faults += (window->objectName() + QStringLiteral(": ") + a->objectName() +
                               QStringLiteral(" and ") + b->objectName() +
                               QStringLiteral(" share Alt+") + keyA)
                                  .toStdString() +
                              "\n";
                }
            }
        }
    }
    return faults;
}

// The texts a user reads in a window (its title, labels, buttons, group boxes, tabs, menu titles
// and commands), each under a name that stays the same when the language changes. Texts that
// the program sets while it runs (reserved names) are left out.
std::map<QString, QString> VisibleTexts(QWidget* mainWindow) {
    std::map<QString, QString> texts;
    for (QWidget* window : ProgramWindows(mainWindow)) {
        const QString windowName = window->objectName();
        if (HasReservedPrefix(FromQString(windowName))) {
            continue;
        }
        if (!window->property(kLiveCaptionProperty).toBool()) {
            texts[windowName] = window->windowTitle();
        }
        if (auto* menu = qobject_cast<QMenu*>(window)) {
            for (QAction* action : menu->actions()) {
                if (action->isVisible() && !action->isSeparator() &&
                    !HasReservedPrefix(FromQString(action->objectName()))) {
                    texts[windowName + QLatin1Char('.') + action->objectName()] = action->text();
                }
            }
        }
        int unnamed = 0;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window || !widget->isVisibleTo(window) ||
                HasReservedPrefix(FromQString(widget->objectName()))) {
                continue;
            }
            const QString name =
                windowName + QLatin1Char('.') +
                (widget->objectName().isEmpty() ? QStringLiteral("#%1").arg(++unnamed)
                                                : widget->objectName());
            if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    if (tabs->isTabVisible(i)) {
                        texts[name + QStringLiteral("[%1]").arg(i)] = tabs->tabText(i);
                    }
                }
            } else if (std::optional<QString> caption = CaptionWithMnemonic(widget)) {
                texts[name] = *caption;
            }
        }
    }
    return texts;
}

// Words that Dutch and English write alike.
bool SameInBothLanguages(QString text) {
    static const QRegularExpression notWord(QStringLiteral("[^A-Za-z]+"));
    text.remove(QLatin1Char('&'));
    const QStringList words = text.split(notWord, Qt::SkipEmptyParts);
    static const QSet<QString> alike = {
        QStringLiteral("OK"),    QStringLiteral("Help"),    QStringLiteral("Info"),
        QStringLiteral("Route"), QStringLiteral("Routes"),  QStringLiteral("Extra"),
        QStringLiteral("Start"), QStringLiteral("type"),    QStringLiteral("Type"),
        QStringLiteral("TXT"),   QStringLiteral("PDF"),     QStringLiteral("CSV"),
        QStringLiteral("ODT"),   QStringLiteral("GeoJSON"), QStringLiteral("F")};
    // Single letters are codes (the place types "V", "P", ...).
    return std::all_of(words.begin(), words.end(), [](const QString& word) {
        return word.size() == 1 || alike.contains(word);
    });
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        SetDefaultMessageTexts();
        SetFixedTexts(kDutch);
        ProgramLanguageFiles() = LanguageFiles();
    }

    void theDialogListsTheFilesAndNamesAMissingFolder() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Lng")));
        for (const char* name : {"/Lng/English.LNG", "/Lng/Deutsch.lng", "/Lng/notes.txt"}) {
            QFile file(folder.path() + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ProgramLanguageFiles() = LanguageFiles(folder.path().toStdString() + "/");
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        QStringList programs, helps;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* programList = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            auto* helpList = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
            for (int i = 0; i < programList->count(); ++i) {
                programs << programList->itemText(i);
            }
            helps << QString::number(helpList->count())
                  << QString::number(programList->currentIndex());
            dialog->close();
        });
        form.Command("Language1")->trigger();
        QCOMPARE(programs, QStringList({QStringLiteral("Deutsch"), QStringLiteral("English"),
                                        QStringLiteral("Nederlands")}));
        // The language in use, Dutch, is preselected.
        QCOMPARE(helps, QStringList({QStringLiteral("0"), QStringLiteral("2")}));
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QCOMPARE(prompter.asked()[0].text,
                 "Folder not found: \"" + folder.path().toStdString() + "/Hlp/\"");
    }

    void choosingEnglishTranslatesAtOnceAndDutchAsksForARestart() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Lng")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Hlp")));
        QVERIFY(QFile::copy(QStringLiteral(TAVORIC_LANGUAGE_FOLDER "/English.lng"),
                            folder.path() + QStringLiteral("/Lng/English.lng")));
        ProgramLanguageFiles() = LanguageFiles(folder.path().toStdString() + "/");
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        auto choose = [&form](const QString& language) {
            QTimer::singleShot(0, [language] {
                QWidget* dialog = QApplication::activeModalWidget();
                auto* list = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
                list->setCurrentIndex(list->findText(language));
                dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
            form.Command("Language1")->trigger();
        };
        auto* fileMenu = form.findChild<QMenu*>(QStringLiteral("Bestand1"));

        const auto qtText = [] {
            return QCoreApplication::translate("QFileDialog", "File &name:");
        };
        ApplyLanguage(&form, ProgramLanguageFiles(), std::string(kDutch));
        QVERIFY(qtText() != QStringLiteral("File &name:"));  // Qt's dialogs start in Dutch
        choose(QStringLiteral("English"));
        QCOMPARE(qtText(), QStringLiteral("File &name:"));
        QCOMPARE(form.Settings().language, std::string("English"));
        QCOMPARE(fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(form.Command("Nieuw1")->toolTip(), QStringLiteral("New... (Ctrl+N)"));
        QCOMPARE(form.Command("ntOpInternet1")->toolTip(), QStringLiteral("Molvek @ internet..."));
        QCOMPARE(form.Command("ntLeesMijtxt1")->text(), QStringLiteral("ReadMe.txt"));
        QCOMPARE(MessageText("AA00003"), std::string("Report"));
        QVERIFY(prompter.asked().empty());

        choose(QStringLiteral("Nederlands"));
        QCOMPARE(form.Settings().language, std::string("Nederlands"));
        QCOMPARE(form.Command("ntLeesMijtxt1")->text(), QStringLiteral("LeesMij.txt"));
        QCOMPARE(fileMenu->title(), QStringLiteral("&File"));  // Dutch returns at the next start
        QVERIFY(qtText() != QStringLiteral("File &name:"));
        QCOMPARE(prompter.asked().size(), std::size_t{1});
        QVERIFY(prompter.asked()[0].text.starts_with("Restart Tavoric to activate the language."));
    }

    void theTemplateIsWrittenOnlyInDiagnosticMode() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Lng")));
        LanguageFiles files(folder.path().toStdString() + "/");
        ScriptedPrompter prompter;
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetPrompter(&prompter);
        const QString all = folder.path() + QStringLiteral("/Lng/All.lng");

        TLanguageForm(form, files, &form, false).WriteTemplate();
        QVERIFY(!QFile::exists(all));

        TLanguageForm(form, files, &form, true).WriteTemplate();
        QFile file(all);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[HoofdForm]\r\n"));
        QVERIFY(!text.contains("HoofdForm.Caption"));  // the title names the project
        QVERIFY(text.contains("HoofdForm.Bestand1.Caption=\"&Bestand\"\r\n"));
        QVERIFY(text.contains("\r\n[Dynamic]\r\nZB00011=\"&Opslaan\"\r\n"));
        QVERIFY(!text.contains("ntLeesMijtxt1"));
        QVERIFY(prompter.asked().empty());
    }

    void aWindowTakesItsSectionAndIgnoresWhatNamesNothing() {
        SmallWindow small;
        const IniFile file = IniFile::Parse(
            "[TestForm]\r\n"
            "TestForm.Caption=\"Trial\"\r\n"
            "TestForm.Label1.Caption=\"\"\r\n"
            "TestForm.Button1.Caption=X&CloseX\r\n"
            "TestForm.Button1.Hint=\"Close the window\"\r\n"
            "TestForm.Memo1.Lines[1]=\"second\"\r\n"
            "TestForm.Memo1.Lines[7]=\"none\"\r\n"
            "TestForm.ComboBox1.Items[0]=\"red\"\r\n"
            "TestForm.ComboBox1.Items[1]=\"\"\r\n"
            "TestForm.ComboBox1.Items[2]=\"blue\"\r\n"
            "TestForm.ntLabel2.Caption=\"fixed\"\r\n"
            "TestForm.Missing1.Caption=\"nobody\"\r\n");
        TranslateWindow(&small.window, file);

        QCOMPARE(small.window.windowTitle(), QStringLiteral("Trial"));
        QCOMPARE(small.label->text(), QStringLiteral("Naam:"));    // empty: unchanged
        QCOMPARE(small.button->text(), QStringLiteral("&Close"));  // no quotes: still stripped
        QCOMPARE(small.button->toolTip(), QStringLiteral("Close the window"));
        QCOMPARE(small.memo->toPlainText(), QStringLiteral("eerste\nsecond\nMemo1"));
        QCOMPARE(small.combo->count(), 2);
        QCOMPARE(small.combo->itemText(0), QStringLiteral("red"));
        QCOMPARE(small.combo->itemText(1), QStringLiteral("groen"));
        QCOMPARE(small.reserved->text(), QStringLiteral("vast"));
    }

    void theTemplateHoldsEveryTextButTheReservedOnes() {
        SmallWindow small;
        const TemplateSection section = WindowTemplate(&small.window);
        QCOMPARE(section.window, std::string("TestForm"));
        std::vector<std::string> lines;
        for (const TemplateEntry& entry : section.entries) {
            lines.push_back(entry.key + "=" + entry.value);
        }
        const std::vector<std::string> expected{
            "TestForm.Caption=Proef",
            "TestForm.Label1.Caption=Naam:",
            "TestForm.Button1.Caption=&Sluiten",
            "TestForm.Button1.Hint=Venster sluiten",
            "TestForm.Memo1.Lines[0]=eerste",
            "TestForm.Memo1.Lines[1]=tweede",
            "TestForm.ComboBox1.Items[0]=rood",
            "TestForm.ComboBox1.Items[1]=groen",
        };
        QCOMPARE(lines, expected);
    }

    // The title, the project label, the notes and the counts hold the project's own texts: the
    // translation leaves them and the template never writes them; every window comes once.
    void liveTextsStayOutOfTranslationAndTemplate() {
        ProgramLanguageFiles() = LanguageFiles(TAVORIC_LANGUAGE_FOLDER "/../");
        THoofdForm form(DefaultSettings("/tmp/"), "");
        form.SetTitle("/data/Zwolle.par");
        const QString live = QStringLiteral("Zwolle binnenstad");
        for (const char* name : {"ntProjectLabel", "ntLabel13"}) {
            form.findChild<QLabel*>(QString::fromLatin1(name))->setText(live);
        }
        form.findChild<QPlainTextEdit*>(QStringLiteral("ntAantekeningenRichEdit"))
            ->setPlainText(live);

        std::set<std::string> sections;
        for (const TemplateSection& section : LanguageTemplate(&form)) {
            QVERIFY2(sections.insert(section.window).second, section.window.c_str());
            for (const TemplateEntry& entry : section.entries) {
                QVERIFY2(entry.value.find("Zwolle") == std::string::npos, entry.key.c_str());
            }
        }
        ApplyLanguage(&form, ProgramLanguageFiles(), "English");
        QCOMPARE(form.windowTitle(), QStringLiteral("Zwolle.par - Tavoric 3.1"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("ntProjectLabel"))->text(), live);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("ntLabel13"))->text(), live);
    }

    // The choice is written at once: after a crash the dialog does not come back.
    void theFirstStartShowsTheLanguageDialogOnce() {
        ScriptedPrompter prompter;
        ProgramSettings settings = DefaultSettings("/tmp/");
        QTemporaryDir config;
        const std::string settingsPath =
            config.filePath(QStringLiteral("settings.ini")).toStdString();
        THoofdForm form(settings, settingsPath);
        form.SetPrompter(&prompter);
        QCOMPARE(form.Settings().languageSet, 0);
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                shown = dialog->objectName() == QLatin1String("LanguageForm");
                dialog->close();  // cancelled: Dutch stays
            }
        });
        ApplyStartUpLanguage(form);
        QVERIFY(shown);
        QCOMPARE(form.Settings().languageSet, 1);
        QCOMPARE(form.Settings().language, std::string("Nederlands"));
        QCOMPARE(form.Command("ntLeesMijtxt1")->text(), QStringLiteral("LeesMij.txt"));
        QCOMPARE(form.Command("ntOpInternet1")->text(), QStringLiteral("Molvek @ internet..."));
        QVERIFY(SettingsFileText(form.Settings()).find("LanguageSet=1") != std::string::npos);
        std::string written;
        QVERIFY(ReadWholeFile(settingsPath, written));
        QVERIFY(written.find("LanguageSet=1") != std::string::npos);
    }

    // Dutch first, as the program starts; then the locale's language, preselected and kept by
    // "&OK" without a restart.
    void theFirstStartPreselectsTheLanguageOfTheLocale() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Lng")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Hlp")));
        QVERIFY(QFile::copy(QStringLiteral(TAVORIC_LANGUAGE_FOLDER "/English.lng"),
                            folder.path() + QStringLiteral("/Lng/English.lng")));
        for (const char* help : {"/Hlp/Tavoric_English.html", "/Hlp/Tavoric_Nederlands.html"}) {
            QFile file(folder.path() + QString::fromLatin1(help));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ProgramLanguageFiles() = LanguageFiles(folder.path().toStdString() + "/");
        ProgramLanguageFiles().SetLanguage(std::string(kDutch));
        // The dialog itself speaks the language of the locale, and the help is that language's.
        for (const auto& [locale, language, title] : {std::tuple{"nl_BE", "Nederlands", "Taal"},
                                                      std::tuple{"en_US", "English", "Language"}}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            ScriptedPrompter prompter;
            THoofdForm form(DefaultSettings("/tmp/"), "");
            form.SetPrompter(&prompter);
            QString preselected;
            QString preselectedHelp;
            QString shownTitle;
            QTimer::singleShot(0, [&preselected, &preselectedHelp, &shownTitle] {
                QWidget* dialog = QApplication::activeModalWidget();
                shownTitle = dialog->windowTitle();
                preselected =
                    dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
                preselectedHelp =
                    dialog->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText();
                dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
            ApplyStartUpLanguage(form);
            QCOMPARE(preselected, QString::fromLatin1(language));
            QCOMPARE(preselectedHelp, QStringLiteral("Tavoric_") + QString::fromLatin1(language));
            QCOMPARE(form.Settings().languageHelp, "Tavoric_" + std::string(language));
            QCOMPARE(shownTitle, QString::fromLatin1(title));
            QCOMPARE(form.Settings().language, std::string(language));
            QCOMPARE(prompter.asked().size(), std::size_t{0});  // no restart
        }
        QCOMPARE(MessageText("AA00003"), std::string("Report"));
        QLocale::setDefault(QLocale::system());
    }

    // The list windows were shown in Dutch before the language changed; shown again, every
    // heading is as wide as its English text ("No.", "Section\nno.").
    void columnHeadingsFitTheirTranslatedTexts() {
        ProgramLanguageFiles() = LanguageFiles(TAVORIC_LANGUAGE_FOLDER "/../");
        THoofdForm form(DefaultSettings("/tmp/"), "");
        const QList<ColumnHeadingBar*> bars = form.findChildren<ColumnHeadingBar*>();
        QVERIFY(bars.size() >= 4);
        const auto showEach = [&bars] {
            for (ColumnHeadingBar* bar : bars) {
                bar->window()->show();
                bar->window()->hide();
            }
        };
        showEach();
        ApplyLanguage(&form, ProgramLanguageFiles(), "English");
        showEach();
        int checked = 0;
        for (ColumnHeadingBar* bar : bars) {
            // No heading runs into one before it on the same line ("SectionParking place").
            std::map<qsizetype, int> lineEnds;
            for (QLabel* heading : bar->findChildren<QLabel*>()) {
                const QStringList lines = heading->text().split(QLatin1Char('\n'));
                for (qsizetype line = 0; line < lines.size(); ++line) {
                    if (lines[line].isEmpty()) {
                        continue;
                    }
                    QVERIFY2(lineEnds[line] == 0 || heading->x() > lineEnds[line],
                             qPrintable(heading->objectName() + QLatin1Char(' ') + heading->text() +
                                        QStringLiteral(" x=%1 end=%2")
                                            .arg(heading->x())
                                            .arg(lineEnds[line])));
                    lineEnds[line] =
                        heading->x() + heading->fontMetrics().horizontalAdvance(lines[line]);
                }
                QVERIFY2(heading->width() >= heading->sizeHint().width() &&
                             heading->height() >= heading->sizeHint().height() &&
                             bar->height() >= heading->height(),
                         qPrintable(heading->objectName() + QLatin1Char(' ') + heading->text()));
                checked += heading->text() == QLatin1String("No.") ? 1 : 0;
            }
        }
        QVERIFY(checked >= 2);
    }

    // In Dutch and in English, every Alt key does what its text says and reaches one control or
    // one command of a menu.
    void everyMnemonicIsUniqueAndTheKeyATextNames() {
        ProgramLanguageFiles() = LanguageFiles(TAVORIC_LANGUAGE_FOLDER "/../");
        THoofdForm form(DefaultSettings("/tmp/"), "");
        std::string faults = MnemonicFaults(&form);
        ApplyLanguage(&form, ProgramLanguageFiles(), "English");
        faults += MnemonicFaults(&form);
        QVERIFY2(faults.empty(), faults.c_str());
    }

    // A text that reads the same in Dutch and in English is a Dutch text left in the English
    // windows, or an English text in the Dutch ones.
    void everyWindowSpeaksTheChosenLanguage() {
        ProgramLanguageFiles() = LanguageFiles(TAVORIC_LANGUAGE_FOLDER "/../");
        THoofdForm form(DefaultSettings("/tmp/"), "");
        const std::map<QString, QString> dutch = VisibleTexts(&form);
        ApplyLanguage(&form, ProgramLanguageFiles(), "English");
        const std::map<QString, QString> english = VisibleTexts(&form);
        QStringList faults;
        for (const auto& [name, text] : dutch) {
            const auto translated = english.find(name);
            if (translated != english.end() && translated->second == text &&
                !SameInBothLanguages(text)) {
                faults << name + QStringLiteral(": ") + text;
            }
        }
        if (!faults.isEmpty()) {
            qWarning("%s", qPrintable(faults.join(QLatin1Char('\n'))));
        }
        QVERIFY(dutch.size() > 300);
        QVERIFY(dutch.contains(QStringLiteral("HoofdForm.DemoOpenenButton")));  // the start page
        QVERIFY2(faults.isEmpty(), "texts in one language for both; see the lines above");
    }

    // Fails when a window gains a text that the English file does not translate; the message
    // lists the missing lines in the file's form.
    void theEnglishFileTranslatesEveryText() {
        ProgramSettings settings = DefaultSettings("/tmp/");
        THoofdForm form(settings, "");
        const std::optional<IniFile> english =
            IniFile::Load(TAVORIC_LANGUAGE_FOLDER "/English.lng");
        QVERIFY(english);
        std::set<std::string> translated(TranslatedWindowNames().begin(),
                                         TranslatedWindowNames().end());
        translated.insert("Dynamic");
        std::string missing;
        for (const TemplateSection& section : LanguageTemplate(&form)) {
            if (!translated.count(section.window)) {
                continue;
            }
            for (const TemplateEntry& entry : section.entries) {
                if (!english->Value(section.window, entry.key)) {
                    missing +=
                        "[" + section.window + "] " + entry.key + "=\"" + entry.value + "\"\n";
                }
            }
        }
        if (!missing.empty()) {
            qWarning("%s", missing.c_str());
        }
        QVERIFY2(missing.empty(), "English.lng misses texts; see the lines above");
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::LanguageTest)
#include "language_test.moc"
