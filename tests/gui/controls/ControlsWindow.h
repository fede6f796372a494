#pragma once
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest/QTest>

namespace qhe::test {

// A shown, active dialog holding the control under test, a plain edit to move the focus to,
// and OK and Cancel buttons; focus changes work as on screen.
class ControlsWindow : public QDialog {
  public:
    explicit ControlsWindow(QWidget* control) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(control);
        other = new QLineEdit(this);
        other->setObjectName(QStringLiteral("Other"));
        layout->addWidget(other);
        buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        show();
        activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(this);
        control->setFocus(Qt::OtherFocusReason);
    }

    QLineEdit* other = nullptr;
    QDialogButtonBox* buttons = nullptr;
};

} // namespace qhe::test
