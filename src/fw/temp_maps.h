// The framework's temporary wrappers (windows, DCs, drawing objects) made by
// FromHandle live until the thread is idle; this drops them all.
#pragma once

void AfxDeleteTempMaps();
