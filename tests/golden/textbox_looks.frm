VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form TextBoxLooks
   Caption         =   "Text boxes"
   ClientHeight    =   975
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   2370
   Begin OpalineKit.txt_Opaline_opal Normal
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2070
      Enabled         =   -1  'True
      Text            =   "Opaline text"
      ReturnText      =   "Opaline text"
   End
   Begin OpalineKit.txt_Opaline_opal Off
      Height          =   315
      Left            =   150
      TabIndex        =   1
      Top             =   510
      Width           =   2070
      Enabled         =   0   'False
      Text            =   "Disabled"
      ReturnText      =   "Disabled"
   End
End
