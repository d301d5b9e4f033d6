#include "winHelp.h"

#include "BuiltInText.h"
#include "TaggedText.h"
#include "ui/EditField.h"

void winHelp::Layout() {
    SetTitle(QStringLiteral("Help"));
    SetWidth(400);
    SetHeight(400);
    SetMinimumSize(64, 64);
    SetMaximumSize(32000, 32000);
    SetVisible(true);
    SetResizeable(true);
    SetTitleButtons(true, true, false);
}

void winHelp::CreateControls() {
    CreateControls0();
}

void winHelp::CreateControls0() {
    EditField1 = &AddControl<EditField>(QStringLiteral("EditField1"), EditField::Kind::Styled);
    EditField1->SetBounds(-1, -1, 402, 402);
    EditField1->LockLeft = EditField1->LockTop = true;
    EditField1->LockRight = EditField1->LockBottom = true;
    EditField1->TabIndex = 0;
    EditField1->SetTextFont(QStringLiteral("System"));
    EditField1->SetTextSize(12);
    EditField1->SetText(HelpText());
    EditField1->Open = [this] { EditField1_Open(); };
}

void winHelp::EditField1_Open() {
    StyleTaggedText(*EditField1);
}

QString winHelp::HelpText() {
    return BuiltInText(QStringLiteral("Help.txt"));
}
