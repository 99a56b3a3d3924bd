#pragma once

// Standard input and output carry bytes unchanged (no CR LF translation on Windows).
void useBinaryStdio();
