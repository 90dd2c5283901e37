#pragma once
// Which print commands make sense in the current state.

#include <QtGlobal>

struct PrintMenuState
{
    bool rows = false;    // "&Rivit Kupongille", and the preview of those coupons
    bool ticked = false;  // "&Valitut kupongille"
    bool listing = false; // "Rivit &paperille"
    bool system = false;  // "&Järjestelmä kupongille"

    static PrintMenuState of(int rowCount, int tickedCount, qint64 systemSize)
    {
        PrintMenuState state;
        state.rows = state.listing = rowCount > 0;
        state.ticked = rowCount > 0 && tickedCount > 0;
        state.system = systemSize > 0;
        return state;
    }
};
