#include "sat_table_name.h"

#include "receiver_state.h"

const char* satTableName(int table) {
    static const char* const names[satTableCount] = {"gpsL1", "glsL1", "gasL1", "gnsL1", "bdsL1",
                                                     "gpsL5", "glsL5", "gasL5", "gnsL5", "bdsL5"};
    return names[table];
}
