#pragma once
// Marks the names that libCrashAPI.so exports; everything else stays inside the library.

#define CRASHAPI_EXPORT __attribute__((visibility("default")))
