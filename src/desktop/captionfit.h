#pragma once

class QWidget;

// Keeps every caption of `window` whole, whatever font the desktop uses.
// A push button, radio button, label or group box keeps its designed
// maximum size where its caption fits; where the caption needs more room,
// the maximum grows just enough, never below the designed one. Fitted now
// and again whenever the window lays itself out anew (a new font, style or
// screen). Lists and other inputs keep their size.
void keepCaptionsWhole(QWidget *window);
