#pragma once
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qhe {

class DialogUnits;
class TQZByteEdit;
class TQZHistoryBtn;

// Captions, component names and history sections of one byte-string entry.
struct ByteStringFieldNames {
    QString textCaption;
    const char* textRadioName;
    QString utf16Caption;
    const char* utf16Name;
    const char* textEditName;
    const char* textHistoryName;
    QString textHistorySection;
    QString convertCaption;
    const char* convertName;
    QString hexCaption;
    const char* hexRadioName;
    const char* hexEditName;
    const char* hexHistoryName;
    QString hexHistorySection;
};

// The controls that take one byte string, shared by the find and replace dialogs: a text field
// (optionally widened to UTF-16) and a hex field, each with its history button and radio
// button, and the button that copies the text into the hex field. Laid out from (left, top) in
// dialog units; the chosen form's field is enabled, the other greyed.
struct ByteStringFields {
    ByteStringFields(QWidget* parent, const ByteStringFieldNames& names, const DialogUnits& du, int left,
                     int top);

    // Checks the radio button of the form, showing its field.
    void ChooseForm(bool hex);

    QRadioButton* textRadio;
    QCheckBox* utf16;
    QLineEdit* text;
    TQZHistoryBtn* textHistory;
    QPushButton* convert;
    QRadioButton* hexRadio;
    TQZByteEdit* hex;
    TQZHistoryBtn* hexHistory;
};

} // namespace qhe
