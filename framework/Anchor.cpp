void marv_framework_anchor() {}
