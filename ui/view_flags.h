#pragma once

// Which constellation groups the signal panel draws: a group is drawn while
// its flag is not 0.
struct ViewFlags {
    int gps = 1;
    int gls = 1;
    int gas = 1;
    int bds = 1;
    int gns = 1;
};
