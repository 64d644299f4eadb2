#pragma once
// Marks the names that libBase.so exports; everything else stays inside the library.

#define BASE_EXPORT __attribute__((visibility("default")))
