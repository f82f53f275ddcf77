#pragma once

class TProjektDB;

// Fills a new demo data file with sample offers of a few banks (Polish
// letters in their names, one bank written in two letter cases, every kind of
// capitalisation) and sample deposits: active, ending within 7 days, past
// their end, inactive and one without an offer. Dates are counted from today.
// Written with the project's savers; raises EDataError when a save fails.
void AddDemoData(TProjektDB& project);
