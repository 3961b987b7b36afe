/ ip firewall address-list 
add list="BlockadeQqXuanFeng" address=124.115.5.173 comment="" disabled=no 
add list="BlockadeQqXuanFeng" address=119.147.18.173 comment="" disabled=no 
add list="BlockadeQqXuanFeng" address=117.95.243.97 comment="" disabled=no 
add list="BlockadeQqXuanFeng" address=124.115.0.180 comment="" disabled=no 
/ ip firewall filter 
add chain=forward dst-address-list="BlockadeQqXuanFeng" action=drop comment="BlockadeQqXuanFeng" disabled=no