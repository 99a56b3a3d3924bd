#pragma once
// The "Auto" check box: the operator's text sent again every period.

class CommandHost;

// Takes the "Mod:" number as the signal offset when the field starts with
// one, then starts the auto-send timer with the period field's seconds. A
// period that is not a positive number starts no timer and unticks "Auto".
// Returns 0, as the message always has.
int startAutoSend(CommandHost& host);

// Returns 0.
int stopAutoSend(CommandHost& host);
