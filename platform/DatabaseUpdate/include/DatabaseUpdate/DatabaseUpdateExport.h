#pragma once
// Marks the names that libDatabaseUpdate.so exports; everything else stays inside the library.

#define DATABASEUPDATE_EXPORT __attribute__((visibility("default")))
