#pragma once

class CQuarnDoc;

// Brings every derived value of the project up to date from its stored inputs, in the fixed
// order the General Project Data command and the command-line recalculation share: station and
// design conditions, the factors read from the reference tables, then the hourly loads and the
// heat losses (which also sets the modified flag and updates the views). The supplied flags
// are left as they are.
void Recalculate(CQuarnDoc& doc);
