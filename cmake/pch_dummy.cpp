// Anchor for the shared Qt precompiled header.
