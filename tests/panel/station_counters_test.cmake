# Widget tests of the station list view and the counter panels (offscreen).
brxw_add_test(station_counters_widget_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/station_list_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/counter_panel_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/widget_main.cpp
  DEPS brxw::ui Qt6::Test LABELS widget)
