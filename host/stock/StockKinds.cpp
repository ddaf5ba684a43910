// The kind names by which design data places the stock controls.
#include "host/forms/FormBuilder.h"
#include "host/stock/CommandButton.h"
#include "host/stock/HostFrame.h"
#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/stock/LineControl.h"
#include "host/stock/ListControls.h"
#include "host/stock/PictureBox.h"
#include "host/stock/Shape.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"

namespace host {
namespace {
const ControlKind<Label> kLabel{L"Label"};
const ControlKind<Image> kImage{L"Image"};
const ControlKind<LineControl> kLine{L"Line"};
const ControlKind<Shape> kShape{L"Shape"};
const ControlKind<PictureBox> kPictureBox{L"PictureBox"};
const ControlKind<TextBox> kTextBox{L"TextBox"};
const ControlKind<ComboBox> kComboBox{L"ComboBox"};
const ControlKind<ListBox> kListBox{L"ListBox"};
const ControlKind<CommandButton> kCommandButton{L"CommandButton"};
const ControlKind<HostFrame> kHostFrame{L"HostFrame"};
const ControlKind<Timer> kTimer{L"Timer"};
}  // namespace
}  // namespace host
