# The station list and the status and message counters: logic in brxw_core, widgets in brxw_ui.
# Included from src/panel/CMakeLists.txt; tests/panel_logic includes it as well when the widgets
# are not built (src/panel is then skipped), so the logic tests still find their sources.
include_guard(GLOBAL)

set(_brxw_station_dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(brxw_core PRIVATE
  ${_brxw_station_dir}/station_list.cpp ${_brxw_station_dir}/station_list.h
  ${_brxw_station_dir}/channel_router.cpp ${_brxw_station_dir}/channel_router.h
  ${_brxw_station_dir}/counters.cpp ${_brxw_station_dir}/counters.h)
if(TARGET brxw_ui)
  target_sources(brxw_ui PRIVATE
    ${_brxw_station_dir}/station_list_view.cpp ${_brxw_station_dir}/station_list_view.h
    ${_brxw_station_dir}/counter_panel.cpp ${_brxw_station_dir}/counter_panel.h)
endif()
unset(_brxw_station_dir)
