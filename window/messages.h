#pragma once
// The private message set of the main window. The numbers are absolute, not
// offsets from WM_USER or WM_APP. Every message carries wParam 0 and lParam 0,
// except the line-ready message, whose lParam is the reader's line batch.

enum PrivateMessage : unsigned {
    MSG_CONNECTION_TOGGLE = 2724,
    MSG_COLD_START = 2725,
    MSG_LINE_READY = 2726,
    MSG_POWER_SAVE_ON = 2728,
    MSG_POWER_SAVE_OFF = 2729,
    MSG_GSV_GSA_ON = 2730,
    MSG_GSV_GSA_OFF = 2731,
    MSG_VTG_ON = 2732,
    MSG_VTG_OFF = 2733,
    MSG_GET_VERSION = 2734,
    MSG_LOG_START = 2735,
    MSG_LOG_STOP = 2736,
    MSG_SEND_TEXT = 2737,
    MSG_AUTO_START = 2738,
    MSG_AUTO_STOP = 2739,
    MSG_FACTORY_RESET = 2740,
    MSG_DEFAULT_MODE = 2741,
    MSG_CHANGE_BAUD = 2742,
    // Posted by the commands when a reopen at another rate failed; the
    // connection is then closed once the running step has returned.
    MSG_REOPEN_FAILED = 2743,
    // Sent by the statistics window: save the run report beside the program.
    // Returns 1 when saved.
    MSG_SAVE_REPORT = 2744,
    // Sent by the campaign window's Start and Stop. Return 1 when done.
    MSG_CAMPAIGN_START = 2745,
    MSG_CAMPAIGN_STOP = 2746,
};
