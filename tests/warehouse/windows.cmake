quadrivo_add_test(tst_tfrmmagazzino SOURCES tst_tfrmmagazzino.cpp GUI LABELS warehouse)
target_include_directories(tst_tfrmmagazzino PRIVATE ${PROJECT_SOURCE_DIR}/tests/cards)
quadrivo_add_test(tst_stockwindows SOURCES tst_stockwindows.cpp GUI LABELS warehouse)
