#pragma once

// Lets screen readers read what the lists, the help text and the subject
// choices show, and say a group of radio buttons once. Qt presents a
// read-only text browser as a label, whose text a screen reader reads only
// in review mode, a subject choice without the chosen subject, and a radio
// button's group box both as its context and as its label. Here the text
// browsers are read-only text with a caret, the combo boxes carry their
// choice as text, and a group box is a radio button's context only.
// Each window calls it before it builds its form, whose widgets must not
// have asked for an interface yet; calls after the first change nothing.
void installAccessibleTexts();
