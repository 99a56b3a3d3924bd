#pragma once

// The name the replay trace and the run report give a satellite table, in
// table order: "gpsL1", "glsL1", "gasL1", "gnsL1", "bdsL1", then the same
// with "L5".
const char* satTableName(int table);
