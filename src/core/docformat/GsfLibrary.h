#pragma once

#include <glib-object.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <string>

namespace sorvel {

// libgsf, which reads and writes compound files, loaded the first time one
// is read or written: the text commands of sorvel-convert, which never
// touch one, then start without loading it and the dozen libraries under it
// (a twentieth of a 64 MB conversion's time). The functions keep the
// library's names without the prefix.
struct GsfLibrary {
    decltype(&gsf_input_memory_new) input_memory_new;
    decltype(&gsf_input_size) input_size;
    decltype(&gsf_input_read) input_read;
    decltype(&gsf_infile_msole_new) infile_msole_new;
    decltype(&gsf_infile_get_type) infile_get_type;
    decltype(&gsf_infile_num_children) infile_num_children;
    decltype(&gsf_infile_name_by_index) infile_name_by_index;
    decltype(&gsf_infile_child_by_index) infile_child_by_index;
    decltype(&gsf_output_memory_new) output_memory_new;
    decltype(&gsf_output_memory_get_bytes) output_memory_get_bytes;
    decltype(&gsf_output_write) output_write;
    decltype(&gsf_output_close) output_close;
    decltype(&gsf_output_is_closed) output_is_closed;
    decltype(&gsf_output_size) output_size;
    decltype(&gsf_outfile_msole_new) outfile_msole_new;
    decltype(&gsf_outfile_new_child) outfile_new_child;
    // From glib, which libgsf brings.
    decltype(&g_object_unref) object_unref;
    decltype(&g_error_free) error_free;
    decltype(&g_type_check_instance_is_a) type_check_instance_is_a;
    decltype(&g_log_set_handler) log_set_handler;
    decltype(&g_log_remove_handler) log_remove_handler;

    // The library, loaded and set up; nullptr, with the reason in `error`,
    // when it cannot be loaded.
    static const GsfLibrary* get(std::string* error);
};

}  // namespace sorvel
