#pragma once
// Marks the names that libSqlite3DO.so exports; everything else stays inside the library.

#define SQLITE3DO_EXPORT __attribute__((visibility("default")))
