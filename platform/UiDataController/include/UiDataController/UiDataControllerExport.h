#pragma once
// Marks the names that libUiDataController.so exports; everything else stays inside the library.

#define UIDATACONTROLLER_EXPORT __attribute__((visibility("default")))
