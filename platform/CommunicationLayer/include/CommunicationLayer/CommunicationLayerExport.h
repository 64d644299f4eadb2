#pragma once
// Marks the names that libCommunicationLayer.so exports; everything else stays inside the library.

#define COMMUNICATIONLAYER_EXPORT __attribute__((visibility("default")))
