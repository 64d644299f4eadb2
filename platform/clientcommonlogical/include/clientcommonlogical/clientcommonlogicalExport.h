#pragma once
// Marks the names that libclientcommonlogical.so exports; everything else stays inside the library.

#define CLIENTCOMMONLOGICAL_EXPORT __attribute__((visibility("default")))
