#pragma once

class EditField;

// Turns the tags written in a styled field's text into styles, in place:
// "<b>" and "</b>" bold, "<i>" and "</i>" italic, "<font size="N">" and
// "</font>" a size in pixels. Every tag styles the text from its place to
// the end, so a closing tag ends its opener's style where it stands; a
// "</font>" puts back the one size that the last "<font>" replaced (a
// single value, not a stack). Every other tag is only removed. A "<" with
// no ">" after it ends the styling and stays in the text as written.
//
// Then shows the first line and leaves nothing selected.
void StyleTaggedText(EditField& field);
