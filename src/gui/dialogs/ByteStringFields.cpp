#include "gui/dialogs/ByteStringFields.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/controls/EntryFieldHelpers.h"
#include "gui/controls/TQZByteEdit.h"
#include "gui/controls/TQZHistoryBtn.h"
#include "gui/dialogs/DialogUnits.h"

namespace qhe {
namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

ByteStringFields::ByteStringFields(QWidget* parent, const ByteStringFieldSpec& spec, const DialogUnits& du,
                                   int left, int top) {
    const int editHeight = QLineEdit().sizeHint().height();
    // Each entry field leaves room at its right edge for its history button.
    const int editWidth = du.X(170) - TQZHistoryBtn::kButtonWidth;

    textRadio = Named(new QRadioButton(spec.textCaption, parent), spec.textRadioName);
    textRadio->setGeometry(du.Rect(left, top, 96, 10));
    utf16 = Named(new QCheckBox(spec.utf16Caption, parent), spec.utf16Name);
    utf16->setGeometry(du.Rect(left + 100, top, 150, 10));
    text = Named(new QLineEdit(parent), spec.textEditName);
    text->setGeometry(du.X(left), du.Y(top + 12), editWidth, editHeight);
    textHistory = Named(new TQZHistoryBtn(text, spec.textHistorySection, parent), spec.textHistoryName);
    convert = Named(new QPushButton(spec.convertCaption, parent), spec.convertName);
    convert->setGeometry(du.Rect(left + 178, top + 11, 72, 14));
    convert->setAutoDefault(false);

    hexRadio = Named(new QRadioButton(spec.hexCaption, parent), spec.hexRadioName);
    hexRadio->setGeometry(du.Rect(left, top + 30, 120, 10));
    hex = Named(new TQZByteEdit(parent), spec.hexEditName);
    hex->setGeometry(du.X(left), du.Y(top + 42), editWidth, editHeight);
    hexHistory = Named(new TQZHistoryBtn(hex, spec.hexHistorySection, parent), spec.hexHistoryName);

    QLineEdit* textField = text;
    TQZByteEdit* hexField = hex;
    QRadioButton* hexChoice = hexRadio;
    QObject::connect(textRadio, &QRadioButton::toggled, parent, [textField, hexField](bool on) {
        if (on) ShowChosenField(textField, hexField);
    });
    QObject::connect(hexRadio, &QRadioButton::toggled, parent, [textField, hexField](bool on) {
        if (on) ShowChosenField(hexField, textField);
    });
    QObject::connect(convert, &QPushButton::clicked, parent,
                     [textField, hexField, hexChoice] { ConvertTextToHex(textField, hexField, hexChoice); });
}

void ByteStringFields::ChooseForm(bool hexForm) {
    // The text form is checked first so that toggled fires for whichever form is chosen.
    textRadio->setChecked(true);
    if (hexForm) hexRadio->setChecked(true);
}

} // namespace qhe
