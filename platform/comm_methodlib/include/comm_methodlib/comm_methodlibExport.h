#pragma once
// Marks the names that libcomm_methodlib.so exports; everything else stays inside the library.

#define COMM_METHODLIB_EXPORT __attribute__((visibility("default")))
