void marv_common_anchor() {}
