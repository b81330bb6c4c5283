// SPDX-License-Identifier: MIT
#pragma once

// The page's functions that the binding calls (DomLibrary.js). Elements are
// named by small integer ids; texts are UTF-8.
extern "C" {
int tp_make(int kind, void* control);
void tp_place(int id, int parent);
void tp_remove(int id);
void tp_bounds(int id, int left, int top, int width, int height);
void tp_visible(int id, int visible);
void tp_enabled(int id, int enabled);
void tp_caption(int id, const char* before, const char* letter, const char* after);
void tp_name(int id, const char* name);
void tp_font(int id, const char* face, int height, int bold, int underline, unsigned color);
void tp_hand(int id, int hand);
void tp_word_wrap(int id, int wrap);
void tp_checked(int id, int checked);
void tp_gauge(int id, int min, int max, int position, int width, int height);
void tp_picture(int id, const char* address, int stretch, int width, int height);
void tp_drawn(int id, const void* bits, int width, int height, int left, int top, int right, int bottom);
void tp_show_drawn();
void tp_focus(int id);
void tp_focus_window(int id);
void tp_update_soon(void* control);
void tp_closed(int id);
int tp_menu_add(int form, int parent, void* item, const char* before, const char* letter, const char* after,
                const char* shortCut, int separator);
int tp_timer_start(void* timer, unsigned interval);
void tp_timer_stop(int handle);
void tp_box_show(const char* text, const char* caption, int stop, int modal, int* closed);
int tp_open_address(const char* address);
void tp_measure(const char* face, int height, int bold, const char* text, int* size);
void tp_icon(const char* address);
void tp_fetch_file(const char* address, const char* path, int* done);
int tp_page_file_held(const char* path);
int tp_read_page_file(const char* path, double offset, void* buffer, int length);
double tp_chosen_file_size();
void tp_read_chosen_file(double offset, void* buffer, int length, int* count, int* done);
}
