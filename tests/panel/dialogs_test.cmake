# Widget tests of the Setup and Settings dialogs and of the font mapping.
brxw_add_test(dialogs_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/setup_dlg_test.cpp ${CMAKE_CURRENT_LIST_DIR}/settings_dlg_test.cpp
          ${PROJECT_SOURCE_DIR}/tests/support/widget_main.cpp
  DEPS brxw::ui Qt6::Test
  LABELS widget)
