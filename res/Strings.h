#pragma once

#include <QString>

// The string table: the text of a string resource, empty when there is none.
QString LoadResourceString(int id);
