# Sourced by the other scripts once $repo is set: who owns the checkout, and how to run a command
# as that owner or have a user run it as root.

owner_uid="$(stat -c %u "$repo")"
owner_gid="$(stat -c %g "$repo")"
owner_env=()
owner_groups=(--clear-groups)
if owner_entry="$(getent passwd "$owner_uid")"; then
  IFS=: read -r owner_name _ _ owner_gid _ owner_home _ <<< "$owner_entry"
  owner_env=(HOME="$owner_home" USER="$owner_name" LOGNAME="$owner_name")
  owner_groups=(--init-groups)
fi

# Root in a checkout that another user owns: root installs the packages, that user owns the rest.
root_in_owners_checkout() {
  [ "$(id -u)" -eq 0 ] && [ "$owner_uid" -ne 0 ]
}

# Runs a command as the checkout's owner, so that no file root creates is left for the owner to trip
# on, even when the command fails half-way. Root's runtime folder is not the owner's.
as_owner() {
  if root_in_owners_checkout; then
    env -u XDG_RUNTIME_DIR "${owner_env[@]}" \
      setpriv --reuid="$owner_uid" --regid="$owner_gid" "${owner_groups[@]}" -- "$@"
  else
    "$@"
  fi
}

# The line a user without root's rights pastes to run a command as root. A Debian installed with a
# root password has no sudo: su then asks for root's password.
as_root_line() {
  if command -v sudo > /dev/null; then
    printf 'sudo %s\n' "$1"
  else
    printf "su -c '%s'\n" "${1//\'/\'\\\'\'}"
  fi
}
