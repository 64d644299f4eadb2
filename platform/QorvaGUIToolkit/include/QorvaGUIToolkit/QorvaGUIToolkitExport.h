#pragma once
// Marks the names that libQorvaGUIToolkit.so exports; everything else stays inside the library.

#define QORVAGUITOOLKIT_EXPORT __attribute__((visibility("default")))
