#pragma once
#include <QDialog>

#include <functional>

#include "editor/settings/OptionsModel.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace qhe {

class SendToShortcut;

// The options dialog: four pages of preferences, loaded from and returned as OptionsValues;
// the shortcut page works on the Send To shortcut at once.
class TFormOpt : public QDialog {
    Q_OBJECT
  public:
    // maxGrid: the most columns and rows the screen holds.
    TFormOpt(const OptionsValues& current, int page, SendToShortcut& sendTo, QSize maxGrid,
             std::function<void(int)> help, QWidget* parent = nullptr);

    OptionsValues Values() const;
    QTabWidget* Pages() const { return pages_; }

  private:
    void Load(const OptionsValues& v);
    void RefreshSendTo();

    OptionsValues base_; // values the dialog does not show
    SendToShortcut& sendTo_;
    QTabWidget* pages_;
    QRadioButton* base0_;
    QRadioButton* base1_;
    QCheckBox* oldFileTime_;
    QSpinBox* mru_;
    QCheckBox* newEof_;
    QSpinBox* undoLimit_;
    QSpinBox* mapFrom_;
    QComboBox* language_;
    QFontComboBox* font_;
    QSpinBox* fontSize_;
    QSpinBox* rows_;
    QSpinBox* cols_;
    QComboBox* color_;
    QCheckBox* hideTool_;
    QCheckBox* hideAddr_;
    QCheckBox* textLeft_;
    QCheckBox* showGrid_;
    QCheckBox* useBlank_;
    QRadioButton* little_;
    QRadioButton* big_;
    QCheckBox* inspector_[9];
    QPushButton* create_;
    QPushButton* remove_;
};

} // namespace qhe
