# Display services of the UI data library: DPI, locale and translations, notices,
# error texts.
set(QORVA_UIDATA_DISPLAY_SOURCES
  include/UiDataController/TranslationLanguage.h
  include/UiDataController/HighDPIMgr.h src/HighDPIMgr.cpp
  include/UiDataController/Translation.h src/Translation.cpp
  include/UiDataController/InformationMgr.h src/InformationMgr.cpp
  include/UiDataController/ErrorInfoMgr.h src/ErrorInfoMgr.cpp
)
