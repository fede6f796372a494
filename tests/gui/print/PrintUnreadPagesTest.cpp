#include "gui/FormMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <fstream>
#include <memory>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsFileName.h"
#include "core/text/Format.h"
#include "editor/OwnTexts.h"
#include "gui/DialogDriver.h"
#include "gui/dialogs/MessageDialog.h"
#include "gui/print/FormPreview.h"
#include "gui/print/FormPrint.h"

namespace qhe {
namespace {

// Answers the modal dialogs until stopped: the print dialog once with the preview for the
// printer, the preview by closing it, a message box by OK (its text kept).
struct DialogAnswers {
    bool stop = false, printed = false, previewShown = false;
    std::vector<std::string> said;

    // The poll holds the answers, so that a poll still due after the test finds them stopped.
    static void Start(const std::shared_ptr<DialogAnswers>& answers) {
        QTimer::singleShot(5, [answers] {
            if (answers->stop) return;
            Start(answers); // before answering: an answer may run a dialog of its own
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal && modal->isVisible()) answers->Answer(modal);
        });
    }
    void Answer(QDialog* modal) {
        if (qobject_cast<TFormPrint*>(modal) && !printed) {
            printed = true;
            for (QCheckBox* box : modal->findChildren<QCheckBox*>())
                if (box->text().startsWith("改变方向输出到文件")) box->setChecked(false);
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                if (button->text() == "预览/打印") button->click();
        } else if (qobject_cast<TFormPreview*>(modal)) {
            previewShown = true;
            modal->reject();
        } else if (auto* box = qobject_cast<MessageDialog*>(modal)) {
            said.push_back(box->TextLabel()->text().toStdString());
            box->accept();
        }
    }
};

// A mapped file that another program emptied: the view points out the zeros it shows, and once
// the print preview of them is closed a message says the output held zeros.
TEST(PrintUnreadPages, ViewAndPreviewOfLostPagesSaySo) {
    test::TempDir dir{"/var/tmp"};
    const std::string name = dir.File("gone.bin");
    std::ofstream(name, std::ios::binary) << std::string(1 << 20, 'A');
    {
        ProfileSession profile(SettingsFileName());
        WritePrintSettings(profile, PrintSettings{});
        profile.Commit();
    }
    TFormMain window({});
    window.show();
    EditorState& s = window.Commands().State();
    s.options.mapFromMB = 1;
    ASSERT_TRUE(window.Commands().Files().OpenDocument(name, OpenSender::CommandLine, false));
    ASSERT_TRUE(s.doc.IsMapped());
    ASSERT_EQ(truncate(name.c_str(), 0), 0);

    const auto answers = std::make_shared<DialogAnswers>();
    DialogAnswers::Start(answers);
    window.Commands().View().ShowAddress(1, true, false);
    const int64_t seen = s.doc.ReadFaults();
    window.Action("Print1")->trigger();
    answers->stop = true;
    EXPECT_TRUE(answers->printed);
    EXPECT_TRUE(answers->previewShown);
    EXPECT_EQ(answers->said,
              (std::vector<std::string>{Format(kTextUnreadView, {"gone.bin", seen}),
                                        Format(kTextUnreadResult, {"gone.bin", s.doc.ReadFaults()})}));
}

} // namespace
} // namespace qhe
