// SPDX-License-Identifier: GPL-3.0-or-later
// "Bestand > Kentekens pseudonimiseren..." as a user drives it: the dialog and its choices, the
// file dialog, the save question for the open project and the copy that is opened afterwards.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"
#include "desktop_test_support.h"
#include "privacy/ui/pseudonimiseer_form.h"

namespace tavoric {

class PseudonymiseWindowTest : public QObject {
    Q_OBJECT

private:
    TPseudonimiseerForm* ShownDialog() {
        desktop_.Trigger("Kentekenspseudonimiseren1");
        auto* dialog = desktop_.Form().findChild<TPseudonimiseerForm*>();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    template <typename Widget>
    static Widget* In(QWidget* dialog, const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }

    void UseSurveyWithPlates() {
        Survey survey;
        survey.KentekensList = {"0001 0001 0001 0600-0615 AB12CD  ",
                                "0001 0001 0001 0615-0630 AB12CD F",
                                "0001 0001 0001 0630-0645        "};
        survey.AlgemeneGegevens.observers = "Jan en Piet";
        survey.AantekeningenList = {"Piet belde om 0800"};
        desktop_.UseSurvey(survey);
        ScriptedPrompter unused;
        QVERIFY(WriteProjectFile(desktop_.CurrentSurvey(), desktop_.CurrentSurvey().ProjectPath,
                                 unused));
    }

    std::string KeyPath() const { return desktop_.PathOf("config/Tavoric/pseudoniem.key"); }

    DesktopFixture desktop_;

private slots:
    void init() { desktop_.Start("config/Tavoric/Tavoric.ini"); }
    void cleanup() { desktop_.Stop(); }

    void cancelLeavesTheProjectAsItWas() {
        UseSurveyWithPlates();
        const Survey before = desktop_.CurrentSurvey();
        auto* dialog = ShownDialog();
        QVERIFY(dialog);
        QVERIFY(!In<QLabel>(dialog, "Label1")->text().isEmpty());
        QVERIFY(!In<QCheckBox>(dialog, "CheckBox1")->isChecked());
        QVERIFY(!In<QCheckBox>(dialog, "CheckBox2")->isChecked());
        QTest::mouseClick(In<QPushButton>(dialog, "Button2"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(desktop_.prompter.fileRequests().empty());
        QVERIFY(desktop_.CurrentSurvey().KentekensList == before.KentekensList);
        QVERIFY(!std::filesystem::exists(KeyPath()));
    }

    void okWritesTheCopyWithTheChosenClearOutsAndOpensIt() {
        UseSurveyWithPlates();
        auto* dialog = ShownDialog();
        QVERIFY(dialog);
        QTest::mouseClick(In<QCheckBox>(dialog, "CheckBox1"), Qt::LeftButton);
        const std::string copy = desktop_.PathOf("codes.par");
        desktop_.prompter.QueueFileName(desktop_.PathOf("codes"));
        QTest::mouseClick(In<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());

        const Survey& opened = desktop_.CurrentSurvey();
        QCOMPARE(opened.ProjectPath, copy);
        QVERIFY(opened.AlgemeneGegevens.observers.empty());
        QCOMPARE(opened.AantekeningenList.size(), std::size_t{1});
        QCOMPARE(opened.KentekensList.size(), std::size_t{3});
        QVERIFY(opened.KentekensList[0].find("AB12CD") == std::string::npos);
        QCOMPARE(opened.KentekensList[0].substr(24, 7), opened.KentekensList[1].substr(24, 7));
        QCOMPARE(opened.KentekensList[2], std::string("0001 0001 0001 0630-0645        "));
        QVERIFY(std::filesystem::exists(KeyPath()));
        QCOMPARE(desktop_.prompter.asked().size(), std::size_t{1});
        QVERIFY(desktop_.prompter.asked()[0].kind == DialogKind::Information);
        QVERIFY(desktop_.prompter.asked()[0].text.ends_with(
            FormatText(MessageText("AA00557"), {copy})));

        // The choices stay for the next time.
        dialog = ShownDialog();
        QVERIFY(In<QCheckBox>(dialog, "CheckBox1")->isChecked());
        dialog->reject();
    }

    void aCancelledFileDialogWritesNothing() {
        UseSurveyWithPlates();
        const std::string path = desktop_.CurrentSurvey().ProjectPath;
        auto* dialog = ShownDialog();
        desktop_.prompter.QueueCancelledFileDialog();
        QTest::keyClick(dialog, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(desktop_.CurrentSurvey().ProjectPath, path);
        QVERIFY(desktop_.prompter.asked().empty());
        QVERIFY(!std::filesystem::exists(KeyPath()));
    }
};

}  // namespace tavoric

QTEST_MAIN(tavoric::PseudonymiseWindowTest)
#include "pseudonymise_window_test.moc"
