// The windows' controls, found by the names the program's texts give them (their objectNames):
// a test reads Edit1(dialog)->setText(...) where the program's texts speak of Edit1. Each
// lookup fails the test when the window has no such control.
#pragma once

#include "uitest.h"

#include "ui/bitmapview.h"
#include "ui/radiogroup.h"
#include "ui/spinedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace uitest::controls {

#define KELMO_CONTROL(Type, name) \
    inline Type* name(const QObject& window) { return child<Type>(window, #name); }

KELMO_CONTROL(QLabel, Label1)
KELMO_CONTROL(QLabel, Label2)
KELMO_CONTROL(QLabel, Label3)
KELMO_CONTROL(QLabel, Label4)
KELMO_CONTROL(QLineEdit, Edit1)
KELMO_CONTROL(QLineEdit, Edit2)
KELMO_CONTROL(QPushButton, Button1)
KELMO_CONTROL(QPushButton, Button2)
KELMO_CONTROL(QPushButton, Button3)
KELMO_CONTROL(QPushButton, Button4)
KELMO_CONTROL(QComboBox, ComboBox1)
KELMO_CONTROL(QComboBox, ComboBox2)
KELMO_CONTROL(SpinEdit, SpinEdit1)
KELMO_CONTROL(RadioGroup, RadioGroup1)
KELMO_CONTROL(RadioGroup, RadioGroup2)
KELMO_CONTROL(QRadioButton, RadioButton1)
KELMO_CONTROL(QRadioButton, RadioButton2)
KELMO_CONTROL(QRadioButton, RadioButton3)
KELMO_CONTROL(QPlainTextEdit, Memo1)
KELMO_CONTROL(QProgressBar, Gauge1)
KELMO_CONTROL(BitmapView, tBmpLnk1)
KELMO_CONTROL(QTimer, Timer1)
KELMO_CONTROL(QTableWidget, StringGrid1)
KELMO_CONTROL(QCheckBox, CheckBox1)
KELMO_CONTROL(QListWidget, CheckListBox1)
KELMO_CONTROL(QToolButton, SpeedButton1)
KELMO_CONTROL(QToolButton, SpeedButton2)
KELMO_CONTROL(QToolButton, SpeedButton3)
KELMO_CONTROL(QToolButton, SpeedButton4)
KELMO_CONTROL(QWidget, PaintBox1)
KELMO_CONTROL(QMenu, PopupMenu1)
KELMO_CONTROL(RadioGroup, FormatGroup)
KELMO_CONTROL(RadioGroup, ScalingGroup)
KELMO_CONTROL(SpinEdit, RateEdit)
KELMO_CONTROL(QPushButton, OkButton)
KELMO_CONTROL(QPushButton, CancelButton)

#undef KELMO_CONTROL

} // namespace uitest::controls
