#include "gui/dialogs/ByteStringFields.h"

#include <QButtonGroup>
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

ByteStringFields::ByteStringFields(QWidget* parent, const ByteStringFieldNames& names, const DialogUnits& du,
                                   int left, int top) {
    const int editHeight = QLineEdit().sizeHint().height();
    // Each entry field leaves room at its right edge for its history button.
    const int editWidth = du.X(170) - TQZHistoryBtn::kButtonWidth;

    textRadio = Named(new QRadioButton(names.textCaption, parent), names.textRadioName);
    textRadio->setGeometry(du.Rect(left, top, 96, 10));
    utf16 = Named(new QCheckBox(names.utf16Caption, parent), names.utf16Name);
    utf16->setGeometry(du.Rect(left + 100, top, 150, 10));
    text = Named(new QLineEdit(parent), names.textEditName);
    text->setGeometry(du.X(left), du.Y(top + 12), editWidth, editHeight);
    textHistory = Named(new TQZHistoryBtn(text, names.textHistorySection, parent), names.textHistoryName);
    convert = Named(new QPushButton(names.convertCaption, parent), names.convertName);
    convert->setGeometry(du.Rect(left + 178, top + 11, 72, 14));
    convert->setAutoDefault(false);

    hexRadio = Named(new QRadioButton(names.hexCaption, parent), names.hexRadioName);
    hexRadio->setGeometry(du.Rect(left, top + 30, 120, 10));
    hex = Named(new TQZByteEdit(parent), names.hexEditName);
    hex->setGeometry(du.X(left), du.Y(top + 42), editWidth, editHeight);
    hexHistory = Named(new TQZHistoryBtn(hex, names.hexHistorySection, parent), names.hexHistoryName);

    // An explicit exclusive group: plain auto-exclusive radios count every radio button below
    // their parent, so with other radio groups in the same dialog a click on the checked form
    // would uncheck it and leave neither form chosen.
    auto* forms = new QButtonGroup(parent);
    forms->addButton(textRadio);
    forms->addButton(hexRadio);

    QLineEdit* textField = text;
    TQZByteEdit* hexField = hex;
    QRadioButton* hexChoice = hexRadio;
    QObject::connect(textRadio, &QRadioButton::toggled, parent, [textField, hexField](bool on) {
        if (on) ShowChosenField(textField, hexField);
    });
    QObject::connect(hexRadio, &QRadioButton::toggled, parent, [textField, hexField](bool on) {
        if (on) ShowChosenField(hexField, textField);
    });
    // A click on the form already chosen toggles nothing but still leads into its field.
    QObject::connect(textRadio, &QRadioButton::clicked, parent,
                     [textField, hexField] { ShowChosenField(textField, hexField); });
    QObject::connect(hexRadio, &QRadioButton::clicked, parent,
                     [textField, hexField] { ShowChosenField(hexField, textField); });
    QObject::connect(convert, &QPushButton::clicked, parent,
                     [textField, hexField, hexChoice] { ConvertTextToHex(textField, hexField, hexChoice); });
}

void ByteStringFields::ChooseForm(bool hexForm) {
    // The text form is checked first so that toggled fires for whichever form is chosen.
    textRadio->setChecked(true);
    if (hexForm) hexRadio->setChecked(true);
}

} // namespace qhe
