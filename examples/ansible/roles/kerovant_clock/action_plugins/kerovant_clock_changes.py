# The fields in which a clock differs from its profile, as the task's change:
# --diff shows them as lines "field: value", the clock's before, the
# profile's after. Runs where ansible-playbook runs; sends nothing.
#
#   kerovant_clock_changes:
#     clock: /dev/ttyUSB1         # for the headers
#     profile: studio.json
#     differences: [{field, clock, profile}, ...]   # import --dry-run --json
from ansible.plugins.action import ActionBase


class ActionModule(ActionBase):
    TRANSFERS_FILES = False
    _requires_connection = False

    def run(self, tmp=None, task_vars=None):
        result = super().run(tmp, task_vars)
        args = self._task.args
        differences = args.get("differences") or []
        if not isinstance(differences, list):
            result.update(failed=True, msg="differences: a list of {field, clock, profile}")
            return result

        def lines(side):
            return "".join("%s: %s\n" % (d.get("field", "?"), d.get(side, "")) for d in differences)

        result["changed"] = bool(differences)
        result["diff"] = {
            "before_header": "clock %s" % args.get("clock", ""),
            "after_header": "profile %s" % args.get("profile", ""),
            "before": lines("clock"),
            "after": lines("profile"),
        }
        result["msg"] = ", ".join(d.get("field", "?") for d in differences)
        return result
